#include "ui/dialogs/frmSplash.h"

#include "ui/dialogs/Pictures.h"

#include <QKeyEvent>
#include <QPushButton>

namespace vantor::ui {

namespace {

const std::set<Kind> ScaledKinds{Kind::ListBox, Kind::Label,   Kind::Button,
                                 Kind::TextBox, Kind::Picture, Kind::Line};

constexpr double TitlePt = 24.0;
constexpr double TextLeft = 240;
constexpr double TextWidth = 7320;
constexpr double LineHeight = 255;

void colour(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

struct TextLine {
    const char* name;
    const char* caption;
    double top;
    double height;
};

// Who we are and on what terms Vantor is shared.
constexpr TextLine Notes[] = {
    {"Label5", "The Vantor developers answer by e-mail; there is no postal address.", 2400,
     LineHeight},
    {"Label7", "E-mail: vantor@example.org", 2670, LineHeight},
    {"Label9", "Web: https://vantor.example.org", 2940, LineHeight},
    {"Label10", "More programs for radio amateurs are on our web site.", 3210, LineHeight},
    {"Label6", "If Vantor serves you well, a small contribution to the project is welcome.", 3480,
     LineHeight},
    {"Label4", "Comments and suggestions are welcome by e-mail.", 3750, LineHeight},
    {"lblLicense",
     "Vantor is free: you may copy it and share it with others at no charge.\n"
     "Please send us an e-mail to tell us that you use it.",
     4020, 420},
    {"lblWarning",
     "Vantor comes with no warranty of any kind. You use it at your own risk;\n"
     "its authors accept no liability for any loss or damage.",
     4500, 420},
};

} // namespace

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Vantor"));
    const auto centred = Qt::AlignCenter;

    design_.add(new Picture(drawUsaFlag, this), "imgUSA", Kind::Picture, {240, 240, 1440, 900});
    design_.add(new Picture(drawCanadaFlag, this), "imgCanada", Kind::Picture,
                {6120, 240, 1440, 900});

    // The title in three layers: face, highlight above left, shadow below right.
    const UnitRect title{1920, 240, 3960, 600};
    QLabel* face =
        design_.label(this, "lblProductName", QStringLiteral("Vantor"), title, centred, TitlePt);
    QLabel* highlight = design_.label(this, "Label1", QStringLiteral("Vantor"),
                                      {title.left - 15, title.top - 15, title.width, title.height},
                                      centred, TitlePt);
    QLabel* shadow = design_.label(this, "Label2", QStringLiteral("Vantor"),
                                   {title.left + 30, title.top + 30, title.width, title.height},
                                   centred, TitlePt);
    for (QLabel* l : {face, highlight, shadow}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    colour(face, QColor(0, 0, 128));
    colour(highlight, Qt::white);
    colour(shadow, QColor(128, 128, 128));
    shadow->lower();
    face->raise();

    design_.label(this, "lblVersion1", QStringLiteral("Version 2.5"), {1920, 900, 3960, 255},
                  centred);
    design_.label(this, "lblCompanyName", QStringLiteral("Vantor is written by"),
                  {1920, 1260, 3960, 255}, centred);
    design_.label(this, "Label3", QStringLiteral("radio amateurs who enjoy Sweepstakes:"),
                  {1920, 1500, 3960, 255}, centred);
    QLabel* signature = design_.label(this, "Label8", QStringLiteral("The Vantor developers"),
                                      {1920, 1740, 3960, 420}, centred, 14.0);
    QFont script = signature->font();
    script.setFamilies({QStringLiteral("URW Chancery L"), QStringLiteral("Z003"),
                        QStringLiteral("Script MT"), QStringLiteral("Comic Sans MS")});
    script.setStyleHint(QFont::Cursive);
    script.setItalic(true);
    signature->setFont(script);

    design_.add(new Picture(drawAntenna, this), "Image1", Kind::Picture, {240, 1260, 1440, 960});
    design_.add(new Line(this), "Line1", Kind::Line,
                lineRect(TextLeft, TextLeft + TextWidth, 2280));

    for (const TextLine& t : Notes) {
        QLabel* l = design_.label(this, t.name, QString::fromLatin1(t.caption),
                                  {TextLeft, t.top, TextWidth, t.height}, centred);
        l->setWordWrap(true);
    }

    Command1 = design_.add(new QPushButton(QStringLiteral("Continue"), this), "Command1",
                           Kind::Button, {(DesignRect.width - 1200) / 2, 5040, 1200, 420});
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &frmSplash::Command1_Click);
}

void frmSplash::Form_Load() {
    layOutWindow(this, DesignRect, design_, ScaledKinds, RaisedBy);
    Command1->setFocus();
    show();
}

void frmSplash::Command1_Click() {
    emit continueClicked();
}

// Continue is the default button: Return presses it wherever the focus is.
void frmSplash::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            Command1->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

} // namespace vantor::ui
