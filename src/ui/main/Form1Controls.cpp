#include "ui/main/Form1.h"

#include "ui/dialogs/InstantPress.h"
#include "ui/dialogs/KeyBox.h"
#include "ui/main/Form1Widgets.h"
#include "ui/main/PlainCellDelegate.h"
#include "ui/main/RecentContactsModel.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

namespace vantor::ui {

namespace {

// The record number of the list's selected row; 0 when no row is selected.
int selectedRecord(const QTableView* list, const RecentContactsModel* model) {
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : model->recordAt(rows.first().row());
}

} // namespace

void Form1::bindLabel(QLabel* label, const ControlSpec& control) {
    const LabelModel* model = nullptr;
    if (control.bind.label)
        model = &(model_.*control.bind.label);
    else if (control.bind.row > 0)
        model = &model_.Label10[static_cast<std::size_t>(control.bind.row)];
    if (!model)
        return;
    const bool dupe = model == &model_.lblDupe;
    const bool logicColours = dupe || model == &model_.lblDialog || control.look == Look::Cell;
    labels_.push_back({label, model, logicColours, dupe, control.fontPt, control.bold, {}});
}

void Form1::buildControls() {
    std::vector<ControlSpec> controls = form1Controls();
    // Cells for the longest list; layoutGrid places those of the chosen one.
    const std::vector<ControlSpec> grid = sectionGridControls(Sections85);
    controls.insert(controls.end(), grid.begin(), grid.end());
    const std::pair<Command, QPushButton * Form1::*> buttons[] = {
        {Command::Clear, &Form1::cmdClear_}, {Command::Dup, &Form1::cmdDup_},
        {Command::LogOn, &Form1::cmdLogOn_}, {Command::List, &Form1::cmdList_},
        {Command::Edit, &Form1::cmdEdit_},   {Command::Delete, &Form1::cmdDelete_}};

    for (const ControlSpec& control : controls) {
        QWidget* w = nullptr;
        switch (control.kind) {
        case Kind::TextBox: {
            const Field f = control.bind.field;
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
            boxes_[slotOf(f)] = box;
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
                const int row = control.bind.row;
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
        if (control.bind.grid)
            grid_.push_back(w);
        for (const auto& [command, member] : buttons)
            if (command == control.bind.command)
                this->*member = qobject_cast<QPushButton*>(w);
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

} // namespace vantor::ui
