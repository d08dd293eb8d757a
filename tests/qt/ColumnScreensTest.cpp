// The column forms on the Qt host, driven through their widgets as a user would: the criteria form in
// its built-up and steel arrangements, the wood and steel selection forms and the data records they
// lead to, and the records' clipboard texts as they reach the system clipboard. With
// KORVANTA_SCREENSHOT_DIR set, each window is also saved there as a PNG to look at.
#include "PdfWords.h"
#include "QtTestSupport.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "columns/Form10.h"
#include "columns/Form18.h"
#include "columns/Form19.h"
#include "columns/Form20.h"
#include "columns/Form23.h"
#include "files/ColumnRecordClipboard.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/CaptionFit.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/QtHost.h"
#include "report/Form7.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPrinterInfo>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace
{

std::string describe(const platform::Control& control)
{
    std::string name = control.form().name() + "." + control.name();
    if (control.index() >= 0) {
        name += "(" + std::to_string(control.index()) + ")";
    }
    return name;
}

int distinctColours(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3) {
            colours.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(colours.size());
}

int darkPixels(const QImage& image, const QRect& area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            dark += image.valid(x, y) && qGray(image.pixel(x, y)) < 96 ? 1 : 0;
        }
    }
    return dark;
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n') {
            lines.emplace_back();
        } else {
            lines.back().push_back(c);
        }
    }
    return lines;
}

class ColumnScreens : public testing::Test
{
  protected:
    ColumnScreens() : host(qttest::freshFolder()), runtime(host), program(attachedProgram(host, runtime))
    {
        runtime.dispatch([&] { program->start(); });
    }
    ~ColumnScreens() override
    {
        program.reset();
        std::filesystem::remove_all(host.programFolder());
    }

    static std::unique_ptr<app::Program> attachedProgram(platform::qt::QtHost& host,
                                                         platform::Runtime& runtime)
    {
        host.attach(runtime);
        return std::make_unique<app::Program>(runtime);
    }

    // The widget of a control a user could act on now: its window shown, the widget and every
    // container visible and enabled. Anything else fails the test.
    QWidget* reachable(platform::Control& control)
    {
        platform::qt::FormWindow* window = host.window(control.form());
        QWidget* widget = host.widget(control);
        if (window == nullptr || !window->isVisible() || !window->isEnabled()) {
            ADD_FAILURE() << describe(control) << ": its window is not shown";
            return nullptr;
        }
        if (widget == nullptr || !widget->isVisible() || !widget->isEnabled()) {
            ADD_FAILURE() << describe(control) << ": hidden or disabled";
            return nullptr;
        }
        return widget;
    }

    void click(platform::Control& control)
    {
        if (auto* button = qobject_cast<QAbstractButton*>(reachable(control))) {
            button->click();
        }
    }

    // Click into the box, select its text and type over it, key by key.
    void retype(platform::TextBox& box, const std::string& text)
    {
        auto* edit = qobject_cast<QLineEdit*>(reachable(box));
        ASSERT_NE(edit, nullptr) << describe(box);
        const QPointF at(edit->width() / 2.0, edit->height() / 2.0);
        const QPointF global = edit->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(edit, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(edit, &release);
        edit->selectAll();
        for (char c : text) {
            const QChar ch = QLatin1Char(c);
            qttest::sendKey(edit, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
        }
        EXPECT_EQ(box.text(), text) << describe(box);
        EXPECT_EQ(edit->text().toStdString(), text) << describe(box);
    }

    void choose(platform::ComboBox& list, const char* item)
    {
        auto* combo = qobject_cast<QComboBox*>(reachable(list));
        ASSERT_NE(combo, nullptr) << describe(list);
        const int index = combo->findText(QString::fromUtf8(item));
        ASSERT_GE(index, 0) << describe(list) << " offers no \"" << item << "\"";
        combo->setCurrentIndex(index);
        emit combo->activated(index); // what picking the entry from the drop-down list raises
        EXPECT_EQ(list.text(), item);
    }

    // The menu entry's action, through the window's menu bar, with each menu above it usable.
    void menu(platform::MenuItem& item)
    {
        platform::qt::FormWindow* window = host.window(item.form());
        ASSERT_TRUE(window != nullptr && window->isVisible()) << describe(item) << ": window not shown";
        auto* bar = window->findChild<QMenuBar*>();
        ASSERT_NE(bar, nullptr);
        const QString caption = QString::fromStdString(item.caption());
        std::vector<QAction*> found;
        const auto walk = [&](const auto& self, const QList<QAction*>& actions) -> void {
            for (QAction* action : actions) {
                if (!action->isVisible() || !action->isEnabled()) {
                    continue;
                }
                if (action->menu() != nullptr) {
                    self(self, action->menu()->actions());
                } else if (action->text() == caption) {
                    found.push_back(action);
                }
            }
        };
        walk(walk, bar->actions());
        ASSERT_EQ(found.size(), 1u) << describe(item) << " \"" << item.caption() << "\" usable entries";
        found[0]->trigger();
    }

    QString shownText(platform::Control& control)
    {
        QWidget* widget = host.widget(control);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            return label->text();
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            return button->text();
        }
        return {};
    }

    // Where the control's widget lies in its window's client area.
    QRect placed(platform::Control& control)
    {
        QWidget* widget = host.widget(control);
        platform::qt::FormWindow* window = host.window(control.form());
        if (widget == nullptr || window == nullptr) {
            ADD_FAILURE() << describe(control) << " has no widget";
            return {};
        }
        return QRect(widget->mapTo(window->client(), QPoint(0, 0)), widget->size());
    }

    // A rectangle of the form's client area in twips, as pixels of the grabbed window.
    QRect inWindow(platform::Form& form, const QRect& twips)
    {
        platform::qt::FormWindow* window = host.window(form);
        const QPoint origin = window == nullptr ? QPoint() : window->client()->mapTo(window, QPoint(0, 0));
        return QRect(origin + twips.topLeft() / 15, twips.size() / 15);
    }

    bool shown(platform::Control& control)
    {
        QWidget* widget = host.widget(control);
        return widget != nullptr && widget->isVisible();
    }

    // Every caption the window shows now, filled values included, drawn whole in its control.
    void expectCaptionsFit(platform::Form& form)
    {
        for (platform::Control* control : form.controls()) {
            QWidget* widget = host.widget(*control);
            if (widget == nullptr || !widget->isVisible()) {
                continue;
            }
            const auto room = platform::qt::captionRoom(widget, *control);
            if (!room || room->text.isEmpty()) {
                continue;
            }
            const QFontMetrics metrics(widget->font());
            const QRect needed = room->wrap
                                     ? metrics.boundingRect(QRect(0, 0, room->size.width(), 1 << 20),
                                                            Qt::TextWordWrap, room->text)
                                     : QRect(0, 0, metrics.horizontalAdvance(room->text), metrics.height());
            EXPECT_TRUE(needed.width() <= room->size.width() && needed.height() <= room->size.height())
                << describe(*control) << " \"" << room->text.toStdString() << "\" needs " << needed.width()
                << " x " << needed.height() << " px, has " << room->size.width() << " x "
                << room->size.height();
        }
    }

    QImage grab(platform::Form& form, const char* name)
    {
        QApplication::processEvents();
        platform::qt::FormWindow* window = host.window(form);
        EXPECT_TRUE(window != nullptr && window->isVisible()) << form.name();
        if (window == nullptr) {
            return {};
        }
        const QImage image = window->grab().toImage();
        if (const char* folder = std::getenv("KORVANTA_SCREENSHOT_DIR")) {
            image.save(QString::fromStdString((std::filesystem::path(folder) / name).string() + ".png"));
        }
        return image;
    }

    // DF-L #1 (Fc 1000 psi, E 1.6 million psi, NDS Table 4D) post under 20,000 lb, 12 ft high, braced
    // at 10 ft both ways; the quick pick of the 6x row is the 6x6 (le/d = 120 / 5.5 = 21.8,
    // Fc' = 694 psi against fc = 20,000 / 30.25 = 661 psi).
    void woodCriteria()
    {
        menu(program->form1.MnuColDesign);
        ASSERT_TRUE(f18.visible());
        choose(f18.ColSpeciesCombo, "DF-L #1");
        retype(f18.cReacText, "20000");
        retype(f18.cHTtext, "12");
        retype(f18.cD1text, "10");
        retype(f18.cD2text, "10");
        retype(f18.cFcText, "1000");
        retype(f18.cEtext, "1.6");
    }

    // 50,000 lb on a 12 ft column braced at its ends: the first tube pick is the 4 x 4 x 1/4 (A500 Gr. B,
    // Fy 46 ksi): Kl/r = 144 / 1.51 = 95, Fa 15.3 ksi against 50 / 3.6 = 13.9 ksi.
    void steelCriteria()
    {
        menu(program->form1.MnuColDesign);
        ASSERT_TRUE(f18.visible());
        click(f18.SteelButton);
        retype(f18.ColumnProj, "Barn");
        retype(f18.cReacText, "50000");
        retype(f18.cHTtext, "12");
        retype(f18.cD1text, "12");
    }

    qttest::MessageAnswerer answerer; // before start-up, which may put up a box
    platform::qt::QtHost host;
    platform::Runtime runtime;
    std::unique_ptr<app::Program> program;
    columns::Form18& f18 = program->form18;
};

TEST_F(ColumnScreens, BuiltUpCriteriaShowTheSheathingChoice)
{
    menu(program->form1.MnuColDesign);
    ASSERT_TRUE(shown(f18.CSolidButton));
    EXPECT_FALSE(shown(f18.ResetKf));
    const QImage solid = grab(f18, "column-criteria-solid");

    click(f18.FramingButton);
    click(f18.CNailedButton);
    choose(f18.ColSpeciesCombo, "DF-L #2");
    EXPECT_TRUE(f18.CNailedButton.value());
    ASSERT_TRUE(shown(f18.ResetKf));
    EXPECT_EQ(shownText(f18.ResetKf), "D1 Fully Braced");
    EXPECT_TRUE(f18.bolt(0).visible());
    const QImage builtUp = grab(f18, "column-criteria-built-up");
    EXPECT_GT(distinctColours(builtUp), 10);
    // The picture of the laminations and their nails, drawn on the form right of the entries, in
    // place of an empty ground.
    const QRect picture = inWindow(f18, QRect(8800, 4400, 1200, 2600));
    EXPECT_EQ(darkPixels(solid, picture), 0);
    EXPECT_GT(darkPixels(builtUp, picture), 100);

    // Ticking the box zeroes L1 and says why.
    click(f18.ResetKf);
    EXPECT_EQ(f18.cD1text.text(), "0");
    ASSERT_FALSE(answerer.answered().empty());
    EXPECT_EQ(answerer.answered().back().text,
              "Unbraced Height of L1 should be zero as it is fully braced with sheathing.");
    expectCaptionsFit(f18);
}

// The entry without a command shows greyed in the real menu bar.
TEST_F(ColumnScreens, StandardColumnsIsGreyedInTheMenuBar)
{
    menu(program->form1.MnuColDesign);
    ASSERT_TRUE(f18.visible());
    auto* bar = host.window(f18)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    int found = 0;
    for (QAction* action : bar->actions()) {
        if (action->text() == "Standard Columns") {
            ++found;
            EXPECT_TRUE(action->isVisible());
            EXPECT_FALSE(action->isEnabled());
        } else {
            EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
        }
    }
    EXPECT_EQ(found, 1);
}

TEST_F(ColumnScreens, SteelCriteria)
{
    steelCriteria();
    EXPECT_TRUE(f18.SteelButton.value());
    EXPECT_FALSE(shown(f18.ColSpeciesCombo));
    EXPECT_FALSE(shown(f18.ColTypeFrame));
    EXPECT_TRUE(shown(f18.SteelInfoLabel));
    EXPECT_EQ(shownText(f18.Label16).toStdString(), f18.Label16.caption());
    EXPECT_GT(distinctColours(grab(f18, "column-criteria-steel")), 10);
    expectCaptionsFit(f18);
}

TEST_F(ColumnScreens, WoodSelectionToRecord)
{
    woodCriteria();
    click(f18.CmdOK);
    columns::Form20& f20 = program->form20;
    ASSERT_TRUE(f20.visible());
    EXPECT_FALSE(host.window(f18)->isVisible());
    EXPECT_EQ(shownText(f20.ColWid(2)), "6x");
    EXPECT_EQ(shownText(f20.ColDep(2)), "6");

    click(f20.ColDep(2));
    click(f20.ColPickCmdOK); // "Update Report" on the picked size
    EXPECT_EQ(f20.D1selected.text(), "6x");
    EXPECT_EQ(f20.D2selected.text(), "6");
    EXPECT_EQ(shownText(f20.Label55), "694"); // Fc'
    EXPECT_EQ(shownText(f20.Label49), "661"); // fc
    EXPECT_EQ(shownText(f20.Label56), "OK");
    EXPECT_TRUE(host.widget(f20.CmdColReportOK)->isEnabled());
    EXPECT_GT(distinctColours(grab(f20, "wood-column-selection")), 10);
    expectCaptionsFit(f20);

    click(f20.CmdColReportOK);
    columns::Form19& f19 = program->form19;
    ASSERT_TRUE(f19.visible());
    EXPECT_FALSE(host.window(f20)->isVisible());
    EXPECT_EQ(shownText(f19.Label10), "  6x 6 DF-L #1         Solid Wood Column");
    EXPECT_EQ(shownText(f19.Label40), "OK"); // slenderness 22 of 50
    EXPECT_EQ(shownText(f19.Label83), "OK"); // stress 661 of 694 psi
    EXPECT_EQ(shownText(f19.Label84), "95%");
    EXPECT_GT(distinctColours(grab(f19, "wood-column-record")), 10);
    expectCaptionsFit(f19);
}

// The longest lines of the record: the wet, incised and laminated built-up column with its sheathing
// note, each drawn whole.
TEST_F(ColumnScreens, BuiltUpRecordLines)
{
    menu(program->form1.MnuColDesign);
    click(f18.FramingButton);
    choose(f18.ColSpeciesCombo, "DF-L #2");
    click(f18.CNailedButton);
    click(f18.cWetButton);
    click(f18.ColIncised);
    retype(f18.cReacText, "3000");
    retype(f18.cHTtext, "12");
    click(f18.ResetKf); // L1 "0": the sheathing braces the D1 plane
    retype(f18.cD2text, "8");
    click(f18.CmdOK);
    columns::Form20& f20 = program->form20;
    ASSERT_TRUE(f20.visible());
    ASSERT_TRUE(shown(f20.ColDep(2)));
    click(f20.ColDep(2));
    click(f20.CmdColReportOK);
    columns::Form19& f19 = program->form19;
    ASSERT_TRUE(f19.visible());
    EXPECT_EQ(shownText(f19.Label12),
              "Wet Use Incised, Laminate built-up nailed columns per NDS 15.3.3.1 or per local code.");
    EXPECT_TRUE(shownText(f19.SheathNote).startsWith("ATTENTION: This column is required to be laterally"));
    EXPECT_TRUE(shown(f19.Sheathnote2));
    EXPECT_GT(distinctColours(grab(f19, "wood-column-record-built-up")), 10);
    expectCaptionsFit(f19);
}

TEST_F(ColumnScreens, SteelSelectionToRecord)
{
    steelCriteria();
    click(f18.CmdOK);
    columns::Form10& f10 = program->form10;
    ASSERT_TRUE(f10.visible());
    ASSERT_TRUE(shown(f10.TubeCol(0)));
    EXPECT_EQ(shownText(f10.TubeCol(0)), "4 x 4 x 1/4");

    click(f10.TubeCol(0));
    click(f10.StlColReportBut); // "Update Report"
    EXPECT_EQ(f10.StlColSizeText.text(), "4 x 4 x 1/4");
    EXPECT_EQ(shownText(f10.Label22), "95"); // Kl/r
    EXPECT_EQ(shownText(f10.Label30), "OK"); // stress
    EXPECT_GT(distinctColours(grab(f10, "steel-column-selection")), 10);
    expectCaptionsFit(f10);
    // Each pipe weight's name stands left of its own button, on its row.
    for (auto [weight, pick] :
         {std::pair{&f10.StdLabel, &f10.StdRndBut}, std::pair{&f10.ExtraLabel, &f10.ExtraRndbut},
          std::pair{&f10.DblLabel, &f10.DblRndBut}}) {
        const QRect name = placed(*weight);
        const QRect button = placed(*pick);
        EXPECT_LE(name.right(), button.left()) << describe(*weight);
        EXPECT_TRUE(name.center().y() > button.top() && name.center().y() < button.bottom())
            << describe(*weight);
    }

    click(f10.PrintPreviewbutton); // "OK  Select Member"
    columns::Form23& f23 = program->form23;
    ASSERT_TRUE(f23.visible());
    EXPECT_EQ(shownText(f23.Label3), "Barn");
    EXPECT_EQ(shownText(f23.Label10), "4 x 4 x 1/4   Structural Tube ASTM A500 Grade B");
    EXPECT_EQ(shownText(f23.Label40), "OK");
    EXPECT_EQ(shownText(f23.Label52), "91%"); // 13.9 / 15.3
    EXPECT_GT(distinctColours(grab(f23, "steel-column-record")), 10);
    expectCaptionsFit(f23);
}

// What the program writes reaches the system clipboard unchanged: plain text, TABs and LFs as they
// are, the squared-inch sign whole, nothing left of what was there before.
TEST_F(ColumnScreens, RecordsReachTheSystemClipboard)
{
    struct Case
    {
        bool wood;
        std::size_t lines;
        std::size_t areaLine; // the data grid line with the area cell
    };
    for (const Case& c : {Case{true, 28, 14}, Case{false, 24, 14}}) {
        SCOPED_TRACE(c.wood ? "wood" : "steel");
        if (c.wood) {
            woodCriteria();
            click(f18.CmdOK);
            click(program->form20.ColDep(2));
            click(program->form20.CmdColReportOK);
            ASSERT_TRUE(program->form19.visible());
        } else {
            menu(program->form19.MnuExit);
            steelCriteria();
            click(f18.CmdOK);
            click(program->form10.TubeCol(0));
            click(program->form10.PrintPreviewbutton);
            ASSERT_TRUE(program->form23.visible());
        }
        QGuiApplication::clipboard()->setText("left over\r\nfrom before");
        const std::size_t boxes = answerer.answered().size();
        menu(c.wood ? program->form19.MnuCopyClipWd : program->form23.MnuCopyClipStl);

        const std::string expected =
            c.wood ? files::woodColumnClipboardText(*program) : files::steelColumnClipboardText(*program);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        ASSERT_NE(data, nullptr);
        EXPECT_FALSE(data->hasHtml());
        const std::string text = QGuiApplication::clipboard()->text().toStdString();
        EXPECT_EQ(text, expected);
        EXPECT_EQ(text.find('\r'), std::string::npos);
        ASSERT_FALSE(text.empty());
        EXPECT_NE(text.back(), '\n');
        const auto lines = splitLines(text);
        ASSERT_EQ(lines.size(), c.lines);
        EXPECT_TRUE(lines[10].starts_with(c.wood ? "Selection\t  6x 6 DF-L #1" : "Selection\t4 x 4 x 1/4"));
        EXPECT_NE(lines[c.areaLine].find("in\xC2\xB2"), std::string::npos) << lines[c.areaLine];

        ASSERT_EQ(answerer.answered().size(), boxes + 1);
        EXPECT_TRUE(answerer.answered().back().text.starts_with(
            std::string("Your ") + (c.wood ? "Wood" : "Steel") +
            " Column data record has been saved to the Windows Clipboard."))
            << answerer.answered().back().text;
    }
}

// The wood column record printed through the print dialog to a PDF file: one page, its captions where
// the record's layout puts them (twips / 20 = points; the page centres the form, so only distances
// between captions are fixed).
TEST_F(ColumnScreens, WoodRecordPrintsOnOnePage)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty() ||
        std::system("command -v pdftotext > /dev/null") != 0) {
        GTEST_SKIP() << "a printer is installed (the print dialog is the system's), or no pdftotext";
    }
    woodCriteria();
    click(f18.CmdOK);
    click(program->form20.ColDep(2));
    click(program->form20.CmdColReportOK);
    columns::Form19& f19 = program->form19;
    ASSERT_TRUE(f19.visible());
    click(f19.Command3D1);
    ASSERT_TRUE(program->form7.visible());
    const std::filesystem::path pdf = host.programFolder() / "column.pdf";
    answerer.answerFilesWith(pdf);
    click(program->form7.CmdPrint);
    QApplication::processEvents();

    ASSERT_TRUE(std::filesystem::exists(pdf));
    int pages = 0;
    const auto words = qttest::wordsOf(pdf, pages);
    EXPECT_EQ(pages, 1);
    for (const char* word : {"Selection", "Conditions", "Attributes", "Solid", "Controlling"}) {
        ASSERT_TRUE(words.count(word)) << word;
    }
    const qttest::Word selection = words.at("Selection");
    // "Selection" (165, 1740), "Conditions" (165, 2100), "Attributes" (165, 4020): 18 and 114 pt below.
    EXPECT_NEAR(words.at("Conditions").xMin, selection.xMin, 1.0);
    EXPECT_NEAR(words.at("Conditions").yMin - selection.yMin, 18.0, 1.0);
    EXPECT_NEAR(words.at("Attributes").yMin - selection.yMin, 114.0, 1.0);
    // The member line (Label10 at 1770) stands on the selection's line, right of it.
    EXPECT_NEAR(words.at("Solid").yMin, selection.yMin, 1.0);
    EXPECT_GT(words.at("Solid").xMin, selection.xMin + 80);
    // "Controlling d is" (right-aligned in 2205..3540) on the headings' line.
    EXPECT_NEAR(words.at("Controlling").yMin, words.at("Attributes").yMin, 1.0);
    EXPECT_FALSE(program->form7.visible());
}

} // namespace
