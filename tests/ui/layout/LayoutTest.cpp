// What the operator sees at the four screen sizes: no control of the main window
// covers another, with either section list, and every caption of the summary window
// is shown whole, its options inside their frames' lines. The process's screen is 3840 x 2160; the
// main window is sized to each screen as it is when it fills a screen of that size.

#include "support/FakePort.h"
#include "support/LogicHarness.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/Form2.h"
#include "ui/main/Form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace vantor;
using namespace vantor::test;

namespace {

const QSize Sizes[] = {{640, 480}, {1024, 768}, {1920, 1080}, {3840, 2160}};

QString sizeName(QSize s) {
    return QString("%1x%2").arg(s.width()).arg(s.height());
}

// The one overlap of the design: the partial-duplicates switch sits on its heading.
bool designedOverlap(const QString& a, const QString& b) {
    const std::set<QString> pair{a, b};
    return pair == std::set<QString>{"cmdDup", "lblPossDup"};
}

// Waits until the window has its size and the menu bar, grown or shrunk with the new
// scale, has stopped changing the room below it.
void settle(ui::Form1& form) {
    QSize last;
    for (int i = 0; i < 200; ++i) {
        QTest::qWait(5);
        const QSize now = form.centralWidget()->size();
        if (now == last && form.menuBar()->height() + now.height() <= form.height())
            return;
        last = now;
    }
}

// The room inside a frame's drawn lines: the frame is painted alone and its lines are
// found where the bottom line's colour meets the middle column and the middle row.
QRect insideLines(QGroupBox& frame) {
    QImage image(frame.size(), QImage::Format_RGB32);
    frame.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const int x = image.width() / 2;
    const int bottom = image.height() - 1;
    const QRgb line = image.pixel(x, bottom);
    int top = bottom - 1;
    while (top > 0 && image.pixel(x, top) != line)
        --top;
    const int y = (top + bottom) / 2;
    int left = 0;
    while (left < x && image.pixel(left, y) != line)
        ++left;
    int right = image.width() - 1;
    while (right > x && image.pixel(right, y) != line)
        --right;
    return QRect(QPoint(left + 1, top + 1), QPoint(right - 1, bottom - 1));
}

} // namespace

TEST(Layout, NoControlOfTheMainWindowCoversAnotherAtAnySizeWithEitherList) {
    TempDir dir;
    ContestState state;
    FakeClock clock{localMs(2026, 11, 7, 21, 0, 5)};
    FakePort port{clock};
    port.useStationReply = true;
    port.stationReply = {"W1AW", "A", "85", "CT", 5, 0, 0};
    port.answers = {Answer::No, Answer::Yes};
    ui::Form1 form(state, clock, ShortDateForm{}, &port);
    form.Form_Load();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    int menuAtSmallest = 0;
    int markAtSmallest = 0;
    for (const SectionList* list : {&Sections79, &Sections85}) {
        form.logic().chooseSections(*list);
        for (const QSize size : Sizes) {
            SCOPED_TRACE(sizeName(size).toStdString() + ", " + std::to_string(list->rows));
            form.resize(size);
            form.render();
            settle(form);
            QWidget* surface = form.centralWidget();
            std::vector<QWidget*> shown;
            for (QWidget* w : surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (w->isVisible())
                    shown.push_back(w);
            }
            ASSERT_GT(shown.size(), 100u);
            for (std::size_t i = 0; i < shown.size(); ++i) {
                const QString a = shown[i]->objectName();
                EXPECT_TRUE(surface->rect().contains(shown[i]->geometry())) << a.toStdString();
                for (std::size_t j = i + 1; j < shown.size(); ++j) {
                    const QString b = shown[j]->objectName();
                    if (!designedOverlap(a, b)) {
                        EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                            << a.toStdString() << " and " << b.toStdString();
                    }
                }
            }
            // The menu bar and the marks of option buttons grow with the screen.
            const int menu = form.menuBar()->height();
            const int mark = QApplication::style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
            if (size.width() == 640) {
                menuAtSmallest = menu;
                markAtSmallest = mark;
            } else if (size.width() == 3840) {
                // Marks follow the smaller factor (4.5 of 6) so they fit their buttons.
                EXPECT_GE(menu, menuAtSmallest * 4);
                EXPECT_GE(mark, markAtSmallest * 4);
            }
        }
    }
}

TEST(Layout, EveryCaptionOfTheSummaryWindowIsShownWhole) {
    TempDir dir;
    ContestState state;
    state.StationInfo = {"W1AW", "A", "85", "CT", 0, ModeCW, 0};
    FakeClock clock{0};
    FakePort port{clock};
    ui::Form2 dialog{state, port, ShortDateForm{}, 2026};
    for (const QSize size : Sizes) {
        SCOPED_TRACE(sizeName(size).toStdString());
        dialog.layOutFor(size);
        int checked = 0;
        for (QWidget* w : dialog.findChildren<QWidget*>()) {
            const QFontMetrics fm = w->fontMetrics();
            const std::string name = w->objectName().toStdString();
            int room = -1;
            QString caption;
            if (auto* label = qobject_cast<QLabel*>(w)) {
                caption = label->text();
                room = label->width();
            } else if (auto* option = qobject_cast<QRadioButton*>(w)) {
                caption = option->text();
                room = option->width() -
                       w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) -
                       w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w);
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                caption = button->text();
                room = button->width() -
                       2 * w->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w);
            } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
                caption = frame->title();
                room = frame->width();
            }
            if (room < 0 || caption.isEmpty())
                continue;
            ++checked;
            EXPECT_LE(fm.horizontalAdvance(caption), room) << name << ": " << caption.toStdString();
            EXPECT_LE(fm.height(), w->height()) << name;
            if (qobject_cast<QRadioButton*>(w)) {
                EXPECT_LE(w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, w),
                          w->height())
                    << name << ": the mark is cut";
            }
        }
        EXPECT_EQ(checked, 6 + 20 + 12 + 4); // frames, options, labels, buttons
        int options = 0;
        for (QGroupBox* frame : dialog.findChildren<QGroupBox*>()) {
            const QRect room = insideLines(*frame);
            for (QRadioButton* option : frame->findChildren<QRadioButton*>()) {
                ++options;
                EXPECT_TRUE(room.contains(option->geometry()))
                    << option->objectName().toStdString() << " crosses the lines of "
                    << frame->objectName().toStdString();
            }
        }
        EXPECT_EQ(options, 20);
    }
}

// A long warning at each screen's scale: the box fits the screen, its text runs wider
// than tall and is shown whole, its font and buttons grow with the screen and show
// their captions.
TEST(Layout, MessageBoxesGrowWithTheScreenAndShowTheirTextWhole) {
    const QString text = QString(
        "In my last correspondence with the ARRL, they indicated that the traditional log "
        "format will not be accepted after the 1999 contest.  In addition, they only want "
        "contest submissions as files (no computer generated printed logs). To write the new "
        "Cabrillo format (ASCIICab.txt) which incorporates the summary and log files, click "
        "Write Cabrillo.");
    int fontAtSmallest = 0;
    for (const QSize size : Sizes) {
        SCOPED_TRACE(sizeName(size).toStdString());
        const ui::Factors f = ui::screenFactors(size);
        ui::scaleApplication(f.fx, f.fy);
        ui::ScaledMessageBox box(QMessageBox::Warning, "Vantor", text,
                                 QMessageBox::Yes | QMessageBox::No);
        ui::scaleMessageBox(box);
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        auto* label = box.findChild<QLabel*>("qt_msgbox_label");
        ASSERT_NE(label, nullptr);
        EXPECT_LE(box.width(), size.width());
        EXPECT_LE(box.height(), size.height());
        EXPECT_GE(label->width(), label->height()) << label->width() << "x" << label->height();
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << "text cut";
        for (QAbstractButton* b : box.buttons()) {
            EXPECT_LE(b->fontMetrics().horizontalAdvance(QString(b->text()).remove('&')),
                      b->width());
            EXPECT_LE(b->fontMetrics().height(), b->height());
            const QRect at(b->mapTo(&box, QPoint(0, 0)), b->size());
            EXPECT_TRUE(box.rect().contains(at));
            EXPECT_FALSE(at.intersects(QRect(label->mapTo(&box, QPoint(0, 0)), label->size())));
        }
        const int font = label->fontMetrics().height();
        if (size.width() == 640) {
            fontAtSmallest = font;
        } else if (size.width() == 3840) {
            EXPECT_GE(font, fontAtSmallest * 4);
        }
        box.hide();
    }
}
