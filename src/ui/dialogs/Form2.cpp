#include "ui/dialogs/Form2.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>

#include <algorithm>

namespace vantor::ui {

namespace {

using C = Form2Control;

const std::set<Kind> ScaledKinds{Kind::Label,        Kind::ListView, Kind::Frame, Kind::Button,
                                 Kind::OptionButton, Kind::TextBox,  Kind::Line};

constexpr double RowHeight = 285;
constexpr double OptionHeight = 255;
constexpr double OptionTop = 240;

struct FrameSpec {
    const char* name;
    const char* caption;
    UnitRect rect;
};

enum FrameIndex { F1, F2, F3, F5, F6, F4, FrameCount };

// Frames in control order; Frame1's caption is replaced at load.
constexpr std::array<FrameSpec, FrameCount> Frames{{
    {"Frame1", "Your License Class:", {120, 120, 3615, 615}},
    {"Frame2", "Operator license class if different from call used:", {120, 960, 3615, 615}},
    {"Frame3", "Operator", {4320, 960, 4455, 615}},
    {"Frame5", "Category (Referenced in Cabrillo format only):", {120, 1800, 9375, 615}},
    {"Frame6", "Power Category: (Cabrillo format only):", {120, 3000, 3855, 615}},
    {"Frame4", "Club Participation?", {4200, 3840, 1500, 615}},
}};

struct OptionSpec {
    C control;
    FrameIndex frame;
    const char* caption;
    double left;
    double width;
};

constexpr std::array<OptionSpec, 20> OptionSpecs{{
    {C::Option1, F1, "Novice", 120, 1000},
    {C::Option2, F1, "Technician", 1200, 1150},
    {C::Option3, F1, "Other", 2400, 1000},
    {C::Option4, F2, "Novice", 120, 1000},
    {C::Option8, F2, "Technician", 1200, 1250},
    {C::Option5, F2, "Other", 2520, 1000},
    {C::Option6, F3, "Single", 960, 1200},
    {C::Option7, F3, "Multiple", 2520, 1300},
    {C::Option11, F5, "Single-Op", 120, 1100},
    {C::Option12, F5, "Single-Op-Assisted", 1260, 1900},
    {C::Option13, F5, "Multi-One", 3200, 1200},
    {C::Option14, F5, "Multi-Two", 4440, 1200},
    {C::Option15, F5, "Multi-Multi", 5680, 1200},
    {C::Option16, F5, "School-Club", 6920, 1200},
    {C::Option17, F5, "Checklog", 8160, 1100},
    {C::Option20, F6, "QRP", 120, 1100},
    {C::Option19, F6, "Low", 1320, 1200},
    {C::Option18, F6, "High", 2640, 1100},
    {C::Option9, F4, "Yes", 120, 660},
    {C::Option10, F4, "No", 840, 600},
}};

struct TextSpec {
    C control;
    UnitRect rect;
    const char* label;
    const char* caption;
    UnitRect labelRect;
    bool rightAligned; // a label beside its box rather than above it
};

constexpr std::array<TextSpec, 11> TextSpecs{{
    {C::Text1,
     {7440, 240, 1215, RowHeight},
     "Label1",
     "Call of operator if different from call used: ",
     {3840, 240, 3560, RowHeight},
     true},
    {C::Text2,
     {4080, 2520, 5295, RowHeight},
     "Label2",
     "If multioperator, list calls of all operators:",
     {120, 2520, 3900, RowHeight},
     true},
    {C::Text3,
     {6480, 3000, 1575, RowHeight},
     "Label4",
     "Rigs:",
     {5820, 3000, 620, RowHeight},
     true},
    {C::Text9,
     {8880, 3000, 495, RowHeight},
     "Label10",
     "Power:",
     {8100, 3000, 740, RowHeight},
     true},
    {C::Text4,
     {6360, 3360, 3015, RowHeight},
     "Label5",
     "Antennas:",
     {5280, 3360, 1040, RowHeight},
     true},
    {C::Text5,
     {1320, 3840, 2535, RowHeight},
     "Label6",
     "Your Name:",
     {120, 3840, 1160, RowHeight},
     true},
    {C::Text10,
     {6240, 4080, 3135, RowHeight},
     "Label11",
     "       ARRL Affiliated Club:",
     {6240, 3830, 3135, 240},
     false},
    {C::Text6,
     {1680, 4200, 2175, RowHeight},
     "Label9",
     "Address Line 1:",
     {120, 4200, 1520, RowHeight},
     true},
    {C::Text7,
     {1680, 4560, 2175, RowHeight},
     "Label8",
     "Address Line 2:",
     {120, 4560, 1520, RowHeight},
     true},
    {C::Text8,
     {7920, 4560, 1455, RowHeight},
     "Label7",
     "Email Address:",
     {6360, 4560, 1520, RowHeight},
     true},
    {C::Text11,
     {120, 5520, 9255, RowHeight},
     "Label12",
     "Soapbox (Cabrillo format only - add any comments you would like to make about the "
     "contest):",
     {120, 5230, 9255, 270},
     false},
}};

struct ButtonSpec {
    C control;
    const char* caption;
    UnitRect rect;
    void (Form2Logic::*handler)();
};

constexpr std::array<ButtonSpec, 4> ButtonSpecs{{
    {C::Command1,
     "Write Sum File (ASCIISum.txt - old format)",
     {120, 6120, 3255, 375},
     &Form2Logic::Command1_Click},
    {C::Command4,
     "Write Cabrillo Fmt  (ASCIICab.txt - new format)",
     {3480, 6120, 3615, 375},
     &Form2Logic::Command4_Click},
    {C::Command2, "Print Sum Form", {7200, 6120, 1335, 375}, &Form2Logic::Command2_Click},
    {C::Command3, "Done", {8640, 6120, 735, 375}, &Form2Logic::Command3_Click},
}};

// The sheets are Latin-1 text: characters beyond it cannot be typed or pasted.
class Latin1Only : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        for (qsizetype i = input.size() - 1; i >= 0; --i) {
            if (input.at(i).unicode() > 0xFF) {
                input.remove(i, 1);
                if (pos > i)
                    --pos;
            }
        }
        return Acceptable;
    }
};

} // namespace

// The application's focus signal must not reach the window while its base classes
// destroy the controls: by then it is no longer a Form2.
Form2::~Form2() {
    disconnect(qApp, nullptr, this, nullptr);
}

Form2::Form2(const ContestState& state, PlatformPort& port, ShortDateForm dateForm,
             int referenceYear, QWidget* parent, FileNames files)
    : QDialog(parent), logic_(state, port, dateForm, referenceYear, std::move(files)) {
    setObjectName("Form2");
    setWindowTitle(QStringLiteral("Summary Sheet Information"));
    setModal(true);
    setFont(designFace());

    std::array<QGroupBox*, FrameCount> frames{};
    for (std::size_t i = 0; i < Frames.size(); ++i)
        frames[i] = design_.add(new QGroupBox(QString::fromLatin1(Frames[i].caption), this),
                                Frames[i].name, Kind::Frame, Frames[i].rect);
    Frame1 = frames[F1];

    for (const OptionSpec& o : OptionSpecs) {
        auto* option = design_.add(
            new QRadioButton(QString::fromLatin1(o.caption), frames[o.frame]), form2Name(o.control),
            Kind::OptionButton, {o.left, OptionTop, o.width, OptionHeight});
        controls_[static_cast<std::size_t>(o.control)] = option;
        connect(option, &QRadioButton::toggled, this, [this, c = o.control](bool on) {
            if (on && !rendering_) {
                logic_.select(c);
                render();
            }
        });
    }

    design_.label(this, "Label3", QStringLiteral("Equipment Desc:"), {4080, 3000, 1695, 255});
    for (const TextSpec& t : TextSpecs) {
        design_.label(this, t.label, QString::fromLatin1(t.caption), t.labelRect,
                      t.rightAligned ? Qt::AlignRight | Qt::AlignVCenter
                                     : Qt::AlignLeft | Qt::AlignVCenter);
        auto* box = design_.add(new QLineEdit(this), form2Name(t.control), Kind::TextBox, t.rect);
        box->setValidator(new Latin1Only(box));
        controls_[static_cast<std::size_t>(t.control)] = box;
    }

    for (const ButtonSpec& b : ButtonSpecs) {
        auto* button = design_.add(new QPushButton(QString::fromLatin1(b.caption), this),
                                   form2Name(b.control), Kind::Button, b.rect);
        // Enter presses the button that has the focus, never one chosen for the operator.
        button->setAutoDefault(false);
        controls_[static_cast<std::size_t>(b.control)] = button;
        connect(button, &QPushButton::clicked, this, [this, h = b.handler] { forward(h); });
    }

    for (std::size_t i = 0; i + 1 < controls_.size(); ++i)
        setTabOrder(controls_[i], controls_[i + 1]);

    connect(qApp, &QApplication::focusChanged, this, &Form2::onFocusChanged);
}

void Form2::Form_Load() {
    layOutWindow(this, DesignRect, design_, ScaledKinds);
    logic_.Form_Load();
    for (const TextSpec& t : TextSpecs)
        static_cast<QLineEdit*>(control(t.control))->clear();
    render();
    fitCaptions(design_); // the own call is now in Frame1's caption
    placeOptions();
}

void Form2::layOutFor(QSize screenPixels) {
    layOutWindow(this, DesignRect, design_, ScaledKinds, screenPixels);
    placeOptions();
}

// The frames' lines run below their captions, which grow with the screen faster than
// the design's rows: each option is centred in the room inside its frame's lines, and
// made no taller than that room.
void Form2::placeOptions() {
    for (QGroupBox* frame : findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
        const QRect room = frame->contentsRect();
        for (auto* option : frame->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
            const int height = std::min(option->height(), room.height());
            option->setGeometry(option->x(), room.top() + (room.height() - height) / 2,
                                option->width(), height);
        }
    }
}

void Form2::run() {
    Form_Load();
    exec();
}

void Form2::pull() {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const auto c = static_cast<C>(i);
        if (isForm2Option(c))
            logic_.model.option(c) = static_cast<QRadioButton*>(controls_[i])->isChecked();
        else if (isForm2Text(c))
            logic_.model.textOf(c) =
                static_cast<QLineEdit*>(controls_[i])->text().toLatin1().toStdString();
    }
}

void Form2::render() {
    const Form2Model& m = logic_.model;
    rendering_ = true;
    Frame1->setTitle(QString::fromLatin1(m.Frame1.c_str()));
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const auto c = static_cast<C>(i);
        if (!isForm2Option(c))
            continue;
        auto* option = static_cast<QRadioButton*>(controls_[i]);
        if (option->isChecked() == m.option(c))
            continue;
        // A frame may be left with no option chosen, which exclusive buttons refuse.
        option->setAutoExclusive(false);
        option->setChecked(m.option(c));
        option->setAutoExclusive(true);
    }
    rendering_ = false;
    if (m.focus != C::Count) {
        QWidget* focus = control(m.focus);
        logic_.model.focus = C::Count;
        focus->setFocus(Qt::OtherFocusReason);
    }
}

void Form2::forward(void (Form2Logic::*handler)()) {
    pull();
    (logic_.*handler)();
    render();
    if (logic_.model.hidden)
        accept();
}

void Form2::onFocusChanged(QWidget* old, QWidget* now) {
    // Only a move to another control of this window counts as leaving the box, not a
    // message box or another window taking the keyboard.
    if (old != control(C::Text1) || !now || !isAncestorOf(now))
        return;
    forward(&Form2Logic::Text1_LostFocus);
}

void Form2::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace vantor::ui
