#include "ui/dialogs/Form5.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vantor::ui {

namespace {

const std::set<Kind> ScaledKinds{Kind::Picture, Kind::ListBox, Kind::Button,
                                 Kind::TextBox, Kind::Label,   Kind::Line};

// The file's bytes as Latin-1 text with its line ends as the box wants them; empty
// when the file cannot be read whole.
QString readHelpText() {
    QFile file(QString::fromLatin1(HelpFileName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    QString text = QString::fromLatin1(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

Form5::Form5(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Vantor Help Page"));
    setModal(true);

    Text1 = design_.add(new QPlainTextEdit(this), "Text1", Kind::TextBox,
                        {120, 120, DesignRect.width - 240, 5400});
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont font = Text1->font();
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    Text1->setFont(font);

    Command1 = design_.add(new QPushButton(QStringLiteral("Close"), this), "Command1", Kind::Button,
                           {(DesignRect.width - 1200) / 2, 5700, 1200, 420});
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
}

void Form5::Form_Load() {
    layOutWindow(this, DesignRect, design_, ScaledKinds);
    Text1->setPlainText(readHelpText());
}

void Form5::run() {
    Form_Load();
    exec();
}

void Form5::Command1_Click() {
    accept();
}

} // namespace vantor::ui
