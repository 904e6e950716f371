#include "ui/main/Form1.h"

#include "core/SectionTable.h"
#include "ui/dialogs/InstantPress.h"
#include "ui/dialogs/KeyBox.h"
#include "ui/dialogs/Pictures.h"
#include "ui/main/Form1Widgets.h"
#include "ui/main/PlainCellDelegate.h"
#include "ui/main/QtPlatform.h"
#include "ui/main/RecentContactsModel.h"
#include "ui/station/sending/SendingDesk.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
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

namespace {

QColor toColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

void paint(QWidget* w, Rgb fore, Rgb back, bool fill) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, toColor(fore));
    if (fill)
        p.setColor(QPalette::Window, toColor(back));
    w->setPalette(p);
    w->setAutoFillBackground(fill);
}

const std::map<std::string, Field> entryFields = {
    {"txtNum", Field::txtNum}, {"txtPre", Field::txtPre}, {"txtCall", Field::txtCall},
    {"txtCK", Field::txtCK},   {"txtSec", Field::txtSec},
};

std::size_t slot(Field f) {
    return static_cast<std::size_t>(f) - 1;
}

// The record number of the list's selected row; 0 when no row is selected.
int selectedRecord(const QTableView* list, const RecentContactsModel* model) {
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : model->recordAt(rows.first().row());
}

} // namespace

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
    sending_ = new SendingDesk(*this, state_, model_, logic_, clock, [this] { render(); });
    buildMenus();

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

void Form1::bindLabel(QLabel* label, const ControlSpec& control) {
    static const std::map<std::string, LabelModel Form1Model::*> bound = {
        {"lblDialog", &Form1Model::lblDialog},
        {"lblDupe", &Form1Model::lblDupe},
        {"lblTotCon", &Form1Model::lblTotCon},
        {"lblTotSec", &Form1Model::lblTotSec},
        {"lblsectogo", &Form1Model::lblsectogo},
        {"lblTotScore", &Form1Model::lblTotScore},
        {"lblAQSO20", &Form1Model::lblAQSO20},
        {"lblAQSO60", &Form1Model::lblAQSO60},
        {"lblNumCurCon", &Form1Model::lblNumCurCon},
        {"Label1", &Form1Model::Label1},
        {"Label2", &Form1Model::Label2},
        {"Label3", &Form1Model::Label3},
        {"Label4", &Form1Model::Label4},
        {"lblCurTime", &Form1Model::lblCurTime},
        {"Label16", &Form1Model::Label16},
        {"lblutctime", &Form1Model::lblutctime},
        {"lbltimeon", &Form1Model::lbltimeon},
        {"lbltimeleft", &Form1Model::lbltimeleft},
        {"lblttrack", &Form1Model::lblttrack},
        {"Label30", &Form1Model::Label30},
    };
    const std::string name = control.name;
    const LabelModel* model = nullptr;
    if (const auto it = bound.find(name); it != bound.end())
        model = &(model_.*(it->second));
    else if (name.rfind("Label10_", 0) == 0)
        model = &model_.Label10[static_cast<std::size_t>(std::stoi(name.substr(8)))];
    if (!model)
        return;
    const bool logicColours =
        name == "lblDialog" || name == "lblDupe" || control.look == Look::Cell;
    labels_.push_back(
        {label, model, logicColours, name == "lblDupe", control.fontPt, control.bold, {}});
}

void Form1::buildControls() {
    std::vector<ControlSpec> controls = form1Controls();
    // Cells for the longest list; layoutGrid places those of the chosen one.
    const std::vector<ControlSpec> grid = sectionGridControls(Sections85);
    controls.insert(controls.end(), grid.begin(), grid.end());

    for (const ControlSpec& control : controls) {
        QWidget* w = nullptr;
        const std::string name = control.name;
        switch (control.kind) {
        case Kind::TextBox: {
            const Field f = entryFields.at(name);
            auto* box = new KeyBox(surface_);
            box->onKey = [this, f](int code) {
                forward([this, f, code] {
                    syncCaret(f);
                    logic_.typeKey(f, code);
                });
            };
            connect(box, &QLineEdit::textEdited, this, [this, f, box](const QString& text) {
                forward([this, f, box, &text] {
                    logic_.editedText(f, text.toLatin1().toStdString(), box->cursorPosition());
                });
            });
            box->setMaxLength(model_.box(f).maxLength);
            boxes_[slot(f)] = box;
            w = box;
            break;
        }
        case Kind::Button: {
            auto* button = new QPushButton(surface_);
            if (control.caption)
                button->setText(QString::fromLatin1(control.caption));
            w = button;
            break;
        }
        case Kind::ListView: {
            auto* list = new RecentList(surface_);
            list_ = list;
            listModel_ = new RecentContactsModel(state_, list_);
            list_->setModel(listModel_);
            list_->setItemDelegate(new PlainCellDelegate(list_));
            // Tab leaves the list for the buttons instead of walking its cells.
            list_->setTabKeyNavigation(false);
            list_->setSelectionBehavior(QAbstractItemView::SelectRows);
            list_->setSelectionMode(QAbstractItemView::SingleSelection);
            list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
            list_->verticalHeader()->hide();
            list_->horizontalHeader()->setSectionsClickable(true);
            list_->horizontalHeader()->setHighlightSections(false);
            list_->setWordWrap(false);
            connect(list_->horizontalHeader(), &QHeaderView::sectionClicked, this,
                    [this](int column) { listModel_->sortOnce(column); });
            // The header takes no focus: the list's menu sorts from the keyboard.
            list->onMenu = [this](const QPoint& at) { sortMenu_->popup(at); };
            list_->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(list_->horizontalHeader(), &QWidget::customContextMenuRequested, this,
                    [this](const QPoint& at) {
                        sortMenu_->popup(list_->horizontalHeader()->mapToGlobal(at));
                    });
            // A row chosen by mouse or keyboard offers editing and deleting.
            connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                    [this](const QItemSelection& selected) {
                        if (!rendering_ && !selected.isEmpty())
                            forward([this] { logic_.ListView1_ItemClick(); });
                    });
            connect(list_, &QTableView::clicked, this,
                    [this] { forward([this] { logic_.ListView1_ItemClick(); }); });
            w = list_;
            break;
        }
        default: {
            QLabel* label = nullptr;
            if (control.look == Look::Cell) {
                const int row = std::stoi(name.substr(8));
                auto* cell = new SectionCell(row, surface_);
                cell->onClick = [this](int r) { forward([this, r] { logic_.Label10_Click(r); }); };
                cell->onPoint = [this](int r) {
                    forward([this, r] { logic_.Label10_MouseMove(r); });
                };
                QFont serif = cell->font();
                serif.setFamily("DejaVu Serif");
                serif.setStyleHint(QFont::Serif);
                cell->setFont(serif);
                label = cell;
            } else {
                label = new QLabel(surface_);
            }
            label->setWordWrap(control.rect.height > 375);
            label->setAlignment(control.rect.height > 375 ? Qt::AlignLeft | Qt::AlignTop
                                                          : Qt::AlignLeft | Qt::AlignVCenter);
            label->setTextFormat(Qt::PlainText);
            if (control.caption)
                label->setText(QString::fromLatin1(control.caption));
            if (control.look == Look::WhiteOnBlue)
                paint(label, colours::White, colours::DarkBlue, true);
            bindLabel(label, control);
            w = label;
            break;
        }
        }
        w->setObjectName(QString::fromLatin1(control.name));
        if (control.toolTip)
            w->setToolTip(QString::fromLatin1(control.toolTip));
        if (control.bold) {
            QFont f = w->font();
            f.setBold(true);
            w->setFont(f);
        }
        design_.push_back({w, control.kind, control.rect, control.fontPt});
        if (name == "cmdClear")
            cmdClear_ = static_cast<QPushButton*>(w);
        else if (name == "cmdDup")
            cmdDup_ = static_cast<QPushButton*>(w);
        else if (name == "cmdLogOn")
            cmdLogOn_ = static_cast<QPushButton*>(w);
        else if (name == "cmdList")
            cmdList_ = static_cast<QPushButton*>(w);
        else if (name == "cmdEdit")
            cmdEdit_ = static_cast<QPushButton*>(w);
        else if (name == "cmdDelete")
            cmdDelete_ = static_cast<QPushButton*>(w);
    }

    connect(cmdClear_, &QPushButton::clicked, this,
            [this] { forward([this] { logic_.cmdClear_Click(); }); });
    connect(cmdDup_, &QPushButton::clicked, this,
            [this] { forward([this] { logic_.cmdDup_Click(); }); });
    connect(cmdLogOn_, &QPushButton::clicked, this,
            [this] { forward([this] { logic_.cmdLogOn_Click(); }); });
    connect(cmdList_, &QPushButton::clicked, this,
            [this] { forward([this] { logic_.cmdList_Click(); }); });
    connect(cmdEdit_, &QPushButton::clicked, this, [this] {
        const int record = selectedRecord(list_, listModel_);
        forward([this, record] { logic_.cmdEdit_Click(record); });
    });
    connect(cmdDelete_, &QPushButton::clicked, this, [this] {
        const int record = selectedRecord(list_, listModel_);
        forward([this, record] { logic_.cmdDelete_Click(record); });
    });
    for (QPushButton* b : {cmdClear_, cmdDup_, cmdLogOn_, cmdList_, cmdEdit_, cmdDelete_}) {
        b->setAutoDefault(false);
        pressAtOnce(b); // Alt+C clears before the next key arrives
    }
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
    for (const DesignedControl& c : design_) {
        const QString name = c.widget->objectName();
        if (name.startsWith("lblSec") || name.startsWith("Label10_")) {
            c.widget->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(c.widget, &QWidget::customContextMenuRequested, this,
                    [sections, w = c.widget](const QPoint& at) {
                        sections->popup(w->mapToGlobal(at));
                    });
        }
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
    return boxes_[slot(f)];
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

void Form1::renderLabel(LabelBinding& b) {
    const LabelModel& m = *b.model;
    if (b.first || m.caption != b.shown.caption)
        b.widget->setText(QString::fromLatin1(m.caption));
    if (b.coloursFromModel && (b.first || m.fore != b.shown.fore || m.back != b.shown.back))
        paint(b.widget, m.fore, m.back, true);
    if (b.fontFromModel && m.fontSize != b.shown.fontSize)
        setFontPixels(b.widget, m.fontSize, factors_.fx);
    if (b.first || m.toolTip != b.shown.toolTip) {
        if (!m.toolTip.empty())
            b.widget->setToolTip(QString::fromLatin1(m.toolTip));
    }
    b.shown = m;
    b.first = false;
}

void Form1::renderBoxes() {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i]->render(model_.box(static_cast<Field>(i + 1)));
    }
    // Tab order follows the entry order, then the buttons.
    std::array<KeyBox*, 5> order = boxes_;
    std::sort(order.begin(), order.end(), [this](KeyBox* a, KeyBox* b) {
        return model_.box(fieldOf(a)).tabIndex < model_.box(fieldOf(b)).tabIndex;
    });
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
    for (LabelBinding& b : labels_)
        renderLabel(b);
    renderBoxes();

    cmdDup_->setText(QString::fromLatin1(model_.cmdDup.caption));
    cmdLogOn_->setText(QString::fromLatin1(model_.cmdLogOn.caption));
    cmdList_->setText(QString::fromLatin1(model_.cmdList.caption));
    cmdEdit_->setText(QString::fromLatin1(model_.cmdEdit.caption));
    cmdDelete_->setText(QString::fromLatin1(model_.cmdDelete.caption));
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
    });
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!logic_.ended())
        logic_.Form_Terminate();
    event->accept();
}

} // namespace vantor::ui
