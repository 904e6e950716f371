#include "ui/dialogs/frmEditCon.h"

#include "ui/dialogs/KeyBox.h"
#include "ui/dialogs/Pictures.h"

#include <QApplication>
#include <QPushButton>

namespace vantor::ui {

namespace {

const std::set<Kind> ScaledKinds{Kind::Label,    Kind::OptionButton, Kind::Frame, Kind::TextBox,
                                 Kind::ListView, Kind::Button,       Kind::Line};

constexpr double LabelLeft = 1080;
constexpr double LabelWidth = 1560;
constexpr double BoxLeft = 2760;
constexpr double BoxWidth = 2040;
constexpr double RowHeight = 300;
constexpr double WarningWidth = 1000;

constexpr double rowTop(std::size_t row) {
    return 960 + static_cast<double>(row) * 420;
}

struct Row {
    const char* label;
    const char* caption;
    const char* box;
};

// Top to bottom, in tab order and in the order of a log line.
constexpr std::array<Row, EditContactLogic::BoxCount> Rows{{
    {"Label3", "Num Sent", "txtEditNumSent"},
    {"lblNum", "Num Rec", "txtEditNum"},
    {"lblPre", "Precedence", "txtEditPre"},
    {"lblcall", "Callsign", "txtEditCall"},
    {"lblChck", "Check", "txtEditCk"},
    {"lblSec", "Section", "txtEditSec"},
    {"lblDate", "Date", "txtEditDate"},
    {"lblTime", "Time", "txtEditTime"},
    {"lblBnd", "Band", "txtEditBnd"},
}};

QLabel* warning(Design& design, QWidget* parent, const char* name, const char* caption,
                std::size_t row) {
    QLabel* l = design.label(parent, name, QString::fromLatin1(caption),
                             {0, rowTop(row), WarningWidth, RowHeight});
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Window, QColor(128, 0, 0));
    l->setPalette(p);
    l->setAutoFillBackground(true);
    l->hide();
    return l;
}

} // namespace

// The application's focus signal must not reach the dialog while its base classes
// destroy the boxes: by then it is no longer a frmEditCon.
frmEditCon::~frmEditCon() {
    disconnect(qApp, nullptr, this, nullptr);
}

frmEditCon::frmEditCon(ContestState& state, MessagePort& port, ShortDateForm dateForm,
                       int referenceYear, QWidget* parent)
    : QDialog(parent), logic_(state, port, dateForm, referenceYear) {
    setObjectName("frmEditCon");
    setWindowTitle(QStringLiteral("Edit Contact Entry"));
    setModal(true);

    design_.add(new Picture(drawEditPicture, this), "Image1", Kind::Picture, {240, 240, 600, 600});
    design_.label(this, "lblEditTitle", QStringLiteral("Edit Contact:"),
                  {LabelLeft, 360, 3600, 420}, Qt::AlignLeft | Qt::AlignVCenter, 10.0);
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        const double top = rowTop(i);
        design_.label(this, Rows[i].label, QString::fromLatin1(Rows[i].caption),
                      {LabelLeft, top, LabelWidth, RowHeight}, Qt::AlignRight | Qt::AlignVCenter);
        auto* box = design_.add(new KeyBox(this), Rows[i].box, Kind::TextBox,
                                {BoxLeft, top, BoxWidth, RowHeight});
        box->onKey = [this, i](int code) { typed(i, code); };
        connect(box, &QLineEdit::textEdited, this,
                [this, i](const QString& text) { edited(i, text); });
        boxes_[i] = box;
    }
    Label1 = warning(design_, this, "Label1", " Duplicate!", 3);
    Label2 = warning(design_, this, "Label2", "   Invalid!", 5);
    bandWarning_ = warning(design_, this, "lblBandWarning", logic_.bandWarning.caption.c_str(), 8);

    cmdDone = design_.add(new QPushButton(QStringLiteral("Done"), this), "cmdDone", Kind::Button,
                          {(DesignRect.width - 1200) / 2, rowTop(9) + 120, 1200, 420});
    // A click must not take the focus: leaving a refused date or time box for the
    // button would raise its message a second time.
    cmdDone->setFocusPolicy(Qt::TabFocus);
    cmdDone->setAutoDefault(false);
    connect(cmdDone, &QPushButton::clicked, this, &frmEditCon::cmdDone_Click);

    for (std::size_t i = 0; i + 1 < boxes_.size(); ++i)
        setTabOrder(boxes_[i], boxes_[i + 1]);
    setTabOrder(boxes_.back(), cmdDone);

    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusMoved(now); });
}

void frmEditCon::Form_Load(int editRec) {
    layOutWindow(this, DesignRect, design_, ScaledKinds);
    logic_.Form_Load(editRec);
    render();
    boxes_[0]->setFocus();
}

void frmEditCon::run(int editRec) {
    Form_Load(editRec);
    exec();
}

QWidget* frmEditCon::widgetOf(Box box) const {
    if (box == Box::cmdDone)
        return cmdDone;
    return boxes_[static_cast<std::size_t>(box)];
}

void frmEditCon::render() {
    rendering_ = true;
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->render(logic_.boxes[i]);
    Label1->setVisible(logic_.Label1.visible);
    Label2->setVisible(logic_.Label2.visible);
    bandWarning_->setVisible(logic_.bandWarning.visible);
    if (logic_.hidden) {
        rendering_ = false;
        accept();
        return;
    }
    QWidget* w = widgetOf(logic_.focus);
    if (QApplication::focusWidget() != w)
        w->setFocus(Qt::OtherFocusReason);
    rendering_ = false;
}

// The boxes as they stand (the caret may have moved without the logic seeing it).
void frmEditCon::pull() {
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->readInto(logic_.boxes[i]);
}

void frmEditCon::typed(std::size_t row, int code) {
    pull();
    inLogic_ = true;
    logic_.typeKey(static_cast<Box>(row), code);
    inLogic_ = false;
    render();
}

void frmEditCon::edited(std::size_t row, const QString& text) {
    boxes_[row]->readInto(logic_.boxes[row]);
    logic_.editedText(static_cast<Box>(row), text.toLatin1().toStdString());
    render();
}

void frmEditCon::cmdDone_Click() {
    pull();
    inLogic_ = true;
    logic_.cmdDone_Click();
    inLogic_ = false;
    render();
}

// Only the operator moving between this dialog's controls counts: focus taken by a
// message box, or handed back by the dialog itself, is not leaving a box.
void frmEditCon::focusMoved(QWidget* now) {
    if (rendering_ || inLogic_ || !now || now->window() != this || logic_.hidden)
        return;
    Box box = Box::cmdDone;
    if (now != cmdDone) {
        const auto it = std::find(boxes_.begin(), boxes_.end(), now);
        if (it == boxes_.end())
            return;
        box = static_cast<Box>(it - boxes_.begin());
    }
    if (box == logic_.focus)
        return;
    // Checked once the focus event is over, and only if the focus is still there.
    QMetaObject::invokeMethod(
        this, [this, box] { operatorFocus(box); }, Qt::QueuedConnection);
}

void frmEditCon::operatorFocus(Box box) {
    if (logic_.hidden || QApplication::focusWidget() != widgetOf(box))
        return;
    pull();
    inLogic_ = true;
    logic_.userFocus(box);
    inLogic_ = false;
    render();
}

} // namespace vantor::ui
