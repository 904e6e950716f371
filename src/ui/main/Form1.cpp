#include "ui/main/Form1.h"

#include "core/SectionTable.h"
#include "station/radio/BandPlan.h"
#include "ui/aids/AidsDesk.h"
#include "ui/dialogs/InstantPress.h"
#include "ui/dialogs/KeyBox.h"
#include "ui/dialogs/Pictures.h"
#include "ui/main/Form1Widgets.h"
#include "ui/main/PlainCellDelegate.h"
#include "ui/main/QtPlatform.h"
#include "ui/main/RecentContactsModel.h"
#include "ui/station/radio/RadioDesk.h"
#include "ui/station/sending/SendingDesk.h"
#include "ui/station/share/ShareDesk.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <cmath>
#include <map>
#include <string>

namespace vantor::ui {

Form1::Form1(ContestState& state, const Clock& clock, ShortDateForm dateForm, PlatformPort* port,
             QWidget* parent)
    : QMainWindow(parent), state_(state),
      ownPort_(port ? nullptr : std::make_unique<QtPlatform>(clock, state)),
      port_(port ? *port : static_cast<PlatformPort&>(*ownPort_)),
      logic_(state, model_, clock, port_, dateForm) {
    setObjectName("Form1");
    setWindowTitle("Vantor 2.5");
    if (ownPort_)
        ownPort_->setOwner(this);

    // The design's captions were measured in a narrow face; the condensed face keeps
    // them on their labels.
    QFont face("DejaVu Sans");
    face.setStretch(QFont::Condensed);
    setFont(face);

    surface_ = new FormSurface(this);
    surface_->setObjectName("Form1Surface");
    setCentralWidget(surface_);
    buildControls();
    share_ = new ShareDesk(state_, logic_, this);
    sending_ = new SendingDesk(*this, state_, model_, logic_, clock, [this] { render(); });
    buildMenus();
    radio_ = std::make_unique<radio::RadioDesk>(*this, logic_, state, clock, [this] { render(); });
    // Sending keys through the radio while it is connected; the broadcast tells the
    // other programs where the radio is.
    radio_->onFrequency = [this, connected = false](std::int64_t hz) mutable {
        if (connected != (hz > 0)) {
            connected = hz > 0;
            sending_->setRadio(radio_->keyer(), radio_->ptt());
        }
        if (hz <= 0) {
            share_->radioGone();
            return;
        }
        const int band = radio::bandIndexOf(hz);
        share_->radioInfo(hz,
                          band < 0 ? "" : radio::ContestBands[static_cast<std::size_t>(band)].code,
                          state_.StationInfo.ContestMode == ModePhone ? "SSB" : "CW");
    };
    aids_ = new AidsDesk(*this, state, model_, logic_, [this] { render(); });

    timer2_ = new QTimer(this);
    timer2_->setObjectName("Timer2");
    timer2_->setInterval(1000);
    connect(timer2_, &QTimer::timeout, this,
            [this] { forward([this] { logic_.Timer2_Timer(); }); });
    // The three seconds after a duplicate announcement run on the event loop: the window
    // goes on painting, and the logic discards the keys that arrive meanwhile.
    holdTimer_ = new QTimer(this);
    holdTimer_->setObjectName("HoldTimer");
    holdTimer_->setSingleShot(true);
    holdTimer_->setTimerType(Qt::PreciseTimer);
    connect(holdTimer_, &QTimer::timeout, this,
            [this] { forward([this] { logic_.dupeHoldOver(); }); });
    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(60000);
    connect(timer1_, &QTimer::timeout, this,
            [this] { forward([this] { logic_.Timer1_Timer(); }); });

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (old == list_ && !rendering_ && now && now->window() == this)
            forward([this] { logic_.ListView1_LostFocus(); });
        onFocusChanged(now);
    });
    surface_->onBackgroundPointed = [this] { forward([this] { logic_.Form_MouseMove(); }); };
    surface_->onResized = [this] { relayout(); };
}

// The application's focus signal must not reach this window while its base classes
// destroy the children: by then it is no longer a Form1.
Form1::~Form1() {
    disconnect(qApp, nullptr, this, nullptr);
}

void Form1::buildMenus() {
    sortMenu_ = makeSortMenu(this, [this](int column) { listModel_->sortOnce(column); });

    QMenuBar* bar = menuBar();
    const auto item = [this](QMenu* menu, const char* name, const char* caption,
                             std::function<void()> action) {
        QAction* a = menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, action] { forward(action); });
        return a;
    };

    QMenu* file = bar->addMenu("&File");
    file->setObjectName("mnuFile");
    item(file, "mnuNew", "New", [this] { logic_.mnuNew_Click(); });
    item(file, "mnuOpen", "Open", [this] { logic_.mnuOpen_Click(); });
    QMenu* print = file->addMenu("Print");
    print->setObjectName("mnuprintrec");
    item(print, "mnuPrntlog", "Print Log", [this] { logic_.mnuPrntlog_Click(); });
    item(print, "mnuPrntdupe", "Print Dupe Sheet", [this] { logic_.mnuPrntdupe_Click(); });
    item(print, "mnuPrntSum", "Print Summary Sheet", [this] { logic_.mnuPrntSum_Click(); });
    print->addSeparator()->setObjectName("mnuSep");
    item(print, "mnuAsciiLog", "Write ASCII Log File (ASCIILog.txt)",
         [this] { logic_.mnuAsciiLog_Click(); });
    item(print, "mnuAsciiDupe", "Write ASCII Dupe File (ASCIIDup.txt)",
         [this] { logic_.mnuAsciiDupe_Click(); });
    item(print, "mnuWriteSumm", "Write Summary Sheet (ASCIISum.txt)",
         [this] { logic_.mnuWriteSumm_Click(); });
    item(file, "mnuAdif", "Write &ADIF File (<call>.adi)", [this] { logic_.mnuAdif_Click(); });
    item(file, "mnuExit", "Exit", [this] { logic_.mnuExit_Click(); });

    QMenu* tab = bar->addMenu("&TabOrder");
    tab->setObjectName("mnuTab");
    numopt_ = item(tab, "numopt", "#", [this] { logic_.numopt_Click(); });
    callopt_ = item(tab, "callopt", "Call", [this] { logic_.callopt_Click(); });
    numopt_->setCheckable(true);
    callopt_->setCheckable(true);

    QAction* setup = bar->addAction("&Setup");
    setup->setObjectName("mnuSetup");
    connect(setup, &QAction::triggered, this,
            [this] { forward([this] { logic_.mnuSetup_Click(); }); });

    // The section list is chosen from its own menu, which a right click on the grid's
    // heading, a group heading or a cell also opens.
    auto* sections = new QMenu("Sect&ions", this);
    sections->setObjectName("mnuSections");
    sections79_ = item(sections, "mnuSections79", "79 sections (traditional)",
                       [this] { logic_.chooseSections(Sections79); });
    sections85_ = item(sections, "mnuSections85", "85 sections (today)",
                       [this] { logic_.chooseSections(Sections85); });
    sections79_->setCheckable(true);
    sections85_->setCheckable(true);
    for (QWidget* w : grid_) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [sections, w](const QPoint& at) { sections->popup(w->mapToGlobal(at)); });
    }

    QMenu* band = bar->addMenu("&Band");
    band->setObjectName("mnuBand");
    static constexpr std::array<const char*, 6> names = {"mnu160", "mnu80", "mnu40",
                                                         "mnu20",  "mnu15", "mnu10"};
    static constexpr std::array<const char*, 6> captions = {"160",  "  80", "  40",
                                                            "  20", "  15", "  10"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string code = BandCodes[i];
        bandItems_[i] =
            item(band, names[i], captions[i], [this, code] { logic_.chooseBand(code); });
        bandItems_[i]->setCheckable(true);
    }
    band->addSeparator()->setObjectName("sep1");
    item(band, "mnuStats", "Statistics", [this] { logic_.mnuStats_Click(); });

    bar->addMenu(sections);
    QMenu* station = bar->addMenu("Stati&on");
    station->setObjectName("mnuStation");
    share_->addMenuItem(station);
    // The menu bar's right corner tells what the station does: the text being sent and
    // a broadcast destination that cannot be reached.
    auto* corner = new QWidget(bar);
    auto* cornerRow = new QHBoxLayout(corner);
    cornerRow->setContentsMargins(0, 0, 0, 0);
    cornerRow->addWidget(&sending_->statusLabel());
    cornerRow->addWidget(share_->label());
    bar->setCornerWidget(corner, Qt::TopRightCorner);
    sending_->addMenuItems(*station);

    QAction* help = bar->addAction("&Help");
    help->setObjectName("mnuHelp");
    connect(help, &QAction::triggered, this,
            [this] { forward([this] { logic_.mnuHelp_Click(); }); });
}

void Form1::Form_Load() {
    const QSize screen = screenSizeFor(this);
    setGeometry(0, 0, screen.width(), screen.height());
    relayout();
    logic_.Form_Load();
    render();
    timer1_->start();
    timer2_->start();
}

void Form1::relayout() {
    const Factors sf = screenFactors(screenSizeFor(this));
    const QSize client = surface_->size();
    // The whole design must fit the client area, whatever room the window frame, the
    // menu bar and the desktop's panels take.
    const Factors cf{client.width() * UnitsPerPixel / DesignWidth,
                     client.height() * UnitsPerPixel / Form1ContentHeight};
    factors_ = {std::min(sf.fx, cf.fx), std::min(sf.fy, cf.fy)};
    if (factors_.fx <= 0 || factors_.fy <= 0)
        return;
    // The menu bar and the message boxes follow the window's width, which the menu
    // bar's own height does not change.
    scaleApplication(std::min(sf.fx, width() * UnitsPerPixel / DesignWidth),
                     std::min(sf.fy, height() * UnitsPerPixel / DesignHeight));
    scaleControls(design_, {Kind::ListView, Kind::Button, Kind::TextBox, Kind::Label}, factors_);
    for (LabelBinding& b : labels_) {
        if (b.fontFromModel)
            b.shown.fontSize = -1; // re-apply the model's font at the new scale
    }
    // The buttons' pictures follow the scaled font.
    const int icon = fontPixels(8.0, factors_.fx) + 4;
    cmdEdit_->setIcon(pictureIcon(drawEditPicture, icon * 2));
    cmdDelete_->setIcon(pictureIcon(drawDeletePicture, icon * 2));
    cmdEdit_->setIconSize({icon, icon});
    cmdDelete_->setIconSize({icon, icon});
    setColumnWidths();
    if (!rendering_)
        render();
}

void Form1::layoutGrid() {
    gridList_ = state_.Sections;
    std::map<std::string, UnitRect> placed;
    for (const ControlSpec& c : sectionGridControls(*gridList_))
        placed[c.name] = c.rect;
    for (DesignedControl& c : design_) {
        const std::string name = c.widget->objectName().toStdString();
        const auto it = placed.find(name);
        if (it != placed.end())
            c.rect = it->second;
        // Cells beyond the list stay hidden; a cell of the list is shown again.
        if (name.rfind("Label10_", 0) == 0)
            c.widget->setVisible(it != placed.end());
    }
    relayout();
}

void Form1::setColumnWidths() {
    const double w = width() * UnitsPerPixel;
    const double factor = std::pow(w / DesignWidth, 1.2);
    const auto& columns = recentColumns();
    const QFontMetrics metrics(list_->font());
    const QFontMetrics headerMetrics(list_->horizontalHeader()->font());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int designed =
            static_cast<int>(std::lround(columns[i].baseWidth * factor / UnitsPerPixel));
        // Our fonts run wider than the design's; a column must still show its values.
        const int needed =
            std::max(metrics.horizontalAdvance(QString::fromLatin1(columns[i].widest)),
                     headerMetrics.horizontalAdvance(QString::fromLatin1(columns[i].header))) +
            10;
        list_->setColumnWidth(static_cast<int>(i), std::max(designed, needed));
    }
    list_->verticalHeader()->setDefaultSectionSize(fontPixels(8.0, factors_.fx) + 6);
}

void Form1::forward(const std::function<void()>& event) {
    if (logic_.ended())
        return;
    event();
    if (!logic_.ended())
        render();
}

Field Form1::fieldOf(const QWidget* w) const {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        if (boxes_[i] == w)
            return static_cast<Field>(i + 1);
    }
    return Field::Other;
}

KeyBox* Form1::boxOf(Field f) const {
    if (f == Field::None || f == Field::Other)
        return nullptr;
    return boxes_[slotOf(f)];
}

void Form1::onFocusChanged(QWidget* now) {
    // Focus moving into message boxes, dialogs and the menu bar (which takes the
    // keyboard while a menu is opened with Alt) is not the operator leaving a field;
    // only a move to another control of this window is.
    if (rendering_ || logic_.ended() || !now || now->window() != this ||
        qobject_cast<QMenuBar*>(now))
        return;
    const Field f = fieldOf(now);
    if (f != model_.focus)
        forward([this, f] { logic_.userFocus(f); });
}

void Form1::syncCaret(Field f) {
    boxOf(f)->readInto(model_.box(f));
}

// Only what changed since the label was last shown is handed to it: every render walks
// all the labels, the section cells included.
void Form1::renderLabel(LabelBinding& b) {
    const LabelModel& m = *b.model;
    if (b.first || m.caption != b.shown.caption) {
        b.widget->setText(QString::fromLatin1(m.caption));
        b.shown.caption = m.caption;
    }
    if (b.coloursFromModel && (b.first || m.fore != b.shown.fore || m.back != b.shown.back))
        paint(b.widget, m.fore, m.back, true);
    b.shown.fore = m.fore;
    b.shown.back = m.back;
    if (b.fontFromModel && m.fontSize != b.shown.fontSize)
        setFontPixels(b.widget, m.fontSize, factors_.fx);
    b.shown.fontSize = m.fontSize;
    if (b.first || m.toolTip != b.shown.toolTip) {
        if (!m.toolTip.empty())
            b.widget->setToolTip(QString::fromLatin1(m.toolTip));
        b.shown.toolTip = m.toolTip;
    }
    b.first = false;
}

void Form1::renderBoxes() {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i]->render(model_.box(static_cast<Field>(i + 1)));
    }
    // Tab order follows the entry order, then the buttons; it is set again only when
    // the entry order changes.
    std::array<KeyBox*, 5> order = boxes_;
    std::sort(order.begin(), order.end(), [this](KeyBox* a, KeyBox* b) {
        return model_.box(fieldOf(a)).tabIndex < model_.box(fieldOf(b)).tabIndex;
    });
    if (order == tabOrder_)
        return;
    tabOrder_ = order;
    QWidget* previous = order[0];
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(previous, order[i]);
        previous = order[i];
    }
    for (QWidget* w : std::initializer_list<QWidget*>{cmdClear_, cmdDup_, cmdLogOn_, cmdList_,
                                                      cmdEdit_, cmdDelete_, list_}) {
        setTabOrder(previous, w);
        previous = w;
    }
}

void Form1::render() {
    rendering_ = true;
    // When the entry empties (a contact logged or cleared) the operator waits for the
    // empty call field before typing the next: the fields go to the screen first, and
    // the list, the grid and the score follow in the next paint.
    KeyBox* call = boxes_[slotOf(Field::txtCall)];
    const bool emptied = !call->text().isEmpty() && model_.txtCall.text.empty();
    renderBoxes();
    if (emptied && isVisible())
        call->repaint();
    for (LabelBinding& b : labels_)
        renderLabel(b);

    for (auto [button, caption] : {std::pair{cmdDup_, &model_.cmdDup.caption},
                                   {cmdLogOn_, &model_.cmdLogOn.caption},
                                   {cmdList_, &model_.cmdList.caption},
                                   {cmdEdit_, &model_.cmdEdit.caption},
                                   {cmdDelete_, &model_.cmdDelete.caption}}) {
        if (button->text() != QLatin1String(caption->data(), qsizetype(caption->size())))
            button->setText(QString::fromLatin1(*caption));
    }
    cmdEdit_->setVisible(model_.cmdEdit.visible);
    cmdDelete_->setVisible(model_.cmdDelete.visible);

    numopt_->setChecked(model_.numoptChecked);
    callopt_->setChecked(model_.calloptChecked);
    for (std::size_t i = 0; i < bandItems_.size(); ++i)
        bandItems_[i]->setChecked(model_.bandChecked[i]);
    sections79_->setChecked(state_.Sections == &Sections79);
    sections85_->setChecked(state_.Sections == &Sections85);
    if (state_.Sections != gridList_)
        layoutGrid();

    if (model_.listVersion != shownListVersion_) {
        const bool grew = model_.listGrewByOne && model_.listVersion == shownListVersion_ + 1;
        // A refreshed list has no row chosen, whether rebuilt or grown by a row.
        if (grew && (list_->selectionModel()->hasSelection() ||
                     list_->selectionModel()->currentIndex().isValid()))
            list_->selectionModel()->clear();
        listModel_->show(logic_.recentRecords(), grew);
        shownListVersion_ = model_.listVersion;
    }

    if (!logic_.holdingKeys()) {
        holdTimer_->stop();
    } else if (!holdTimer_->isActive() || holdTimerFor_ != state_.DupeAt) {
        holdTimerFor_ = state_.DupeAt;
        holdTimer_->start(static_cast<int>(logic_.dupeHoldLeftMs()));
    }

    if (KeyBox* box = boxOf(model_.focus); box && QApplication::focusWidget() != box)
        box->setFocus(Qt::OtherFocusReason);
    rendering_ = false;
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    // The first focus on the serial-number field starts the station dialog and the
    // start-up questions; they run once the window is on the screen.
    QTimer::singleShot(0, this, [this] {
        if (onFirstShown)
            onFirstShown();
        forward([this] { logic_.windowShown(); });
        radio_->begin();
        aids_->start();
    });
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!logic_.ended())
        logic_.Form_Terminate();
    event->accept();
}

} // namespace vantor::ui
