#include "ui/dialogs/frmStationID.h"

#include "ui/dialogs/KeyBox.h"
#include "ui/dialogs/Pictures.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace vantor::ui {

namespace {

const std::set<Kind> ScaledKinds{Kind::Picture,  Kind::Frame,        Kind::Button,  Kind::Label,
                                 Kind::ListView, Kind::OptionButton, Kind::TextBox, Kind::Line};

// One row per field: caption on the left, box, hint on the right.
constexpr double LabelLeft = 1080;
constexpr double LabelWidth = 2520;
constexpr double BoxLeft = 3720;
constexpr double BoxWidth = 1200;
constexpr double HintLeft = 5040;
constexpr double HintWidth = 2880;
constexpr double RowHeight = 285;

constexpr double rowTop(int row) {
    return 360 + row * 480;
}

using Box = StationDialogLogic::Box;

struct Row {
    Box which;
    const char* box;
    const char* label;
    const char* caption;
    const char* hint;
    const char* hintCaption;
};

// Top to bottom, in tab order.
constexpr std::array<Row, 5> Rows{{
    {Box::Text1, "Text1", "Label1", "Please Enter your Call Sign:", nullptr, nullptr},
    {Box::Text3, "Text3", "Label4", "Precedence:", "Label6", "(Q, A, B, U, M, or S)"},
    {Box::Text4, "Text4", "Label3", "Check:", "Label10", "(Last 2 digits of year licensed)"},
    {Box::Text5, "Text5", "Label5", "Section:", "Label11", "(ARRL Section: ENY, MDC, etc.)"},
    {Box::Text6, "Text6", "Label7", "Hours added for UTC:", nullptr, nullptr},
}};

} // namespace

frmStationID::frmStationID(MessagePort& port, QWidget* parent) : QDialog(parent), logic_(port) {
    setWindowTitle(QStringLiteral(" Amateur Station I.D."));
    setModal(true);

    design_.add(new Picture(drawAntenna, this), "Image1", Kind::Picture, {240, 360, 720, 720});
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        const Row& row = Rows[i];
        const double top = rowTop(int(i));
        design_.label(this, row.label, QString::fromLatin1(row.caption),
                      {LabelLeft, top, LabelWidth, RowHeight}, Qt::AlignRight | Qt::AlignVCenter);
        auto* box = design_.add(new KeyBox(this), row.box, Kind::TextBox,
                                {BoxLeft, top, BoxWidth, RowHeight});
        box->setValidator(new PasteFilter(StationDialogLogic::fieldLike(row.which), box));
        box->onKey = [this, i](int code) { typed(i, code); };
        boxes_[i] = box;
        if (row.hint)
            design_.label(this, row.hint, QString::fromLatin1(row.hintCaption),
                          {HintLeft, top, HintWidth, RowHeight});
    }

    Label12 = design_.label(this, "Label12", QString(),
                            {HintLeft, rowTop(4) - 120, HintWidth, RowHeight + 240});
    Label12->setWordWrap(true);

    const double contestTop = rowTop(5);
    design_.label(this, "Label8", QStringLiteral("Contest:"),
                  {LabelLeft, contestTop, LabelWidth, RowHeight},
                  Qt::AlignRight | Qt::AlignVCenter);
    Frame1 = design_.add(new QGroupBox(this), "Frame1", Kind::Frame,
                         {BoxLeft, contestTop - 120, 2400, 525});
    Option1 = design_.add(new QRadioButton(QStringLiteral("CW"), Frame1), "Option1",
                          Kind::OptionButton, {120, 120, 960, RowHeight});
    Option2 = design_.add(new QRadioButton(QStringLiteral("Phone"), Frame1), "Option2",
                          Kind::OptionButton, {1200, 120, 1080, RowHeight});
    Option1->setChecked(true);
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) { logic_.Option2 = on; });

    Command1 = design_.add(new QPushButton(QStringLiteral("Done"), this), "Command1", Kind::Button,
                           {(DesignRect.width - 1200) / 2, 3600, 1200, 420});
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &frmStationID::Command1_Click);

    const std::array<QWidget*, 8> tabOrder{boxes_[0], boxes_[1], boxes_[2], boxes_[3],
                                           boxes_[4], Option1,   Option2,   Command1};
    for (std::size_t i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
}

void frmStationID::Form_Load(const StationData& current, const std::string& note) {
    layOutWindow(this, DesignRect, design_, ScaledKinds);
    logic_.Form_Load(current);
    Label12->setText(QString::fromLatin1(note.c_str()));
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->render(logic_.box(Rows[i].which));
    (logic_.Option2 ? Option2 : Option1)->setChecked(true);
    boxes_[0]->setFocus();
}

StationData frmStationID::run(const StationData& current, const std::string& note) {
    Form_Load(current, note);
    exec();
    return result(current);
}

StationData frmStationID::result(const StationData& current) const {
    return logic_.result(current);
}

// The boxes may have changed without a typed character (Delete, paste, cut).
void frmStationID::pull() {
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->readInto(logic_.box(Rows[i].which));
    logic_.Option2 = Option2->isChecked();
}

void frmStationID::typed(std::size_t row, int code) {
    pull();
    const Box box = Rows[row].which;
    logic_.typeKey(box, code);
    boxes_[row]->render(logic_.box(box));
    closeIfDone();
}

void frmStationID::Command1_Click() {
    pull();
    logic_.Command1_Click();
    closeIfDone();
}

void frmStationID::closeIfDone() {
    if (logic_.hidden)
        accept();
}

} // namespace vantor::ui
