#include "ui/dialogs/frmbndstats.h"

#include "entry/BandStats.h"

#include <QPushButton>

namespace vantor::ui {

namespace {

constexpr double RowHeight = 255;
constexpr double HeadingLeft = 480;
constexpr double HeadingWidth = 720;
constexpr double CountLeft = 1440;
constexpr double CountWidth = 960;
constexpr double PercentLeft = 2640;
constexpr double PercentWidth = 720;
constexpr double HeadingRule = 1020;
constexpr double TotalRule = 3030;
constexpr double TotalTop = 3120;

constexpr double bandTop(int k) {
    return 1110 + k * 300;
}

constexpr std::array<const char*, 7> RowHeadings{"160",  "  80", "  40", "  20",
                                                 "  15", "  10", "Total"};

} // namespace

frmbndstats::frmbndstats(const ContestState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
    setWindowTitle(QStringLiteral("   Band Statistics"));
    setModal(true);

    const auto centred = Qt::AlignCenter;
    design_.label(this, "Label1", QStringLiteral("Total Contacts by Band"),
                  {240, 180, DesignRect.width - 480, RowHeight}, centred);
    design_.label(this, "Label3_1", QStringLiteral("Total"),
                  {CountLeft, 480, CountWidth, RowHeight}, centred);
    design_.label(this, "Label3_0", QStringLiteral("Contacts"),
                  {CountLeft, 735, CountWidth, RowHeight}, centred);
    design_.label(this, "Label3_2", QStringLiteral(" %"),
                  {PercentLeft, 735, PercentWidth, RowHeight}, centred);
    design_.add(new Line(this), "Line1", Kind::Line,
                lineRect(CountLeft, CountLeft + CountWidth, HeadingRule));
    design_.add(new Line(this), "Line2", Kind::Line,
                lineRect(PercentLeft, PercentLeft + PercentWidth, HeadingRule));
    design_.add(new Line(this), "Line3", Kind::Line,
                lineRect(HeadingLeft, PercentLeft + PercentWidth, TotalRule));

    for (int k = 0; k < 7; ++k) {
        const double top = k < 6 ? bandTop(k) : TotalTop;
        const QByteArray name = "Label2_" + QByteArray::number(k);
        design_.label(this, name.constData(), QString::fromLatin1(RowHeadings[std::size_t(k)]),
                      {HeadingLeft, top, HeadingWidth, RowHeight});
    }
    for (int i = 0; i < 13; ++i) {
        const double top = i < 6 ? bandTop(i) : i < 12 ? bandTop(i - 6) : TotalTop;
        const bool percent = i >= 6 && i < 12;
        const QByteArray name = "lblcon_" + QByteArray::number(i);
        lblcon[std::size_t(i)] = design_.label(this, name.constData(), QStringLiteral("0"),
                                               {percent ? PercentLeft : CountLeft, top,
                                                percent ? PercentWidth : CountWidth, RowHeight},
                                               centred);
    }

    Command1 = design_.add(new QPushButton(QStringLiteral("Close"), this), "Command1", Kind::Button,
                           {(DesignRect.width - 1200) / 2, 3720, 1200, 420});
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &frmbndstats::Command1_Click);
}

void frmbndstats::Form_Load() {
    placeUnscaled(this, DesignRect, design_);
    const BandStatistics stats = computeBandStatistics(state_);
    for (std::size_t i = 0; i < lblcon.size(); ++i)
        lblcon[i]->setText(QString::fromStdString(stats.lblcon[i]));
}

void frmbndstats::run() {
    Form_Load();
    exec();
}

void frmbndstats::Command1_Click() {
    accept();
}

} // namespace vantor::ui
