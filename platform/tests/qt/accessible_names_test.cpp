// What a screen reader hears for each control, and that the widgets keep the
// model's names.
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

#include "sample_window.h"

namespace platform::qt::testing {
namespace {

class AccessibleNamesTest : public QtFormTest {};

TEST_F(AccessibleNamesTest, EachControlIsNamedByItsOwnNameItsCaptionOrItsTooltip) {
    form->shelf->setToolTipText("Which shelf");
    form->ok->setAccessibleName("Accept the address");
    form->background->setToolTipText("");
    auto& pick = form->add<ui::CommandButton>("cmdPick", 2);
    pick.setCaption("&&Pick &2");
    form->Show();
    struct Case {
        const char* objectName;
        const char* heard;
    };
    const Case cases[] = {
        {"lblHeading", "Name & address"},  // the caption as it shows, without its access key
        {"cmdOK", "Accept the address"},   // a name of its own wins over the caption
        {"cmdCancel", "Cancel"},
        {"cmdPick(2)", "&Pick 2"},  // a control array's member keeps its index
        {"fraKinds", "Kinds"},
        {"lblNote", "Pantry\nshelves"},
        {"txtShelf", "Which shelf"},  // no caption: the tooltip
        {"imgBack", ""},
    };
    for (const Case& c : cases) {
        QWidget* shown = widget(c.objectName);
        ASSERT_NE(shown, nullptr) << c.objectName;
        EXPECT_EQ(shown->accessibleName(), QString::fromUtf8(c.heard)) << c.objectName;
    }
}

TEST_F(AccessibleNamesTest, ListsCombosAndBarsAreNamedWithTheirParts) {
    auto& foods = form->add<ui::ListBox>("lstFoods");
    foods.setAccessibleName("Foods");
    auto& amount = form->add<ui::ComboBox>("cboAmount");
    amount.setStyle(ui::ComboStyle::SimpleCombo);
    amount.setToolTipText("Amount");
    auto& unit = form->add<ui::ComboBox>("cboUnit");
    unit.setToolTipText("Unit");
    auto& tools = form->add<ui::Toolbar>("tbrMain");
    tools.setToolTipText("Main tools");
    ui::ToolbarButton open;
    open.key = "open";
    open.toolTip = "Open a cookbook";
    tools.addButton(open);
    ui::ToolbarButton bare;
    bare.key = "blank";
    tools.addButton(bare);
    auto& load = form->add<ui::ProgressBar>("prgLoad");
    load.setAccessibleName("Loading the cookbook");
    form->Show();

    EXPECT_EQ(widget("lstFoods")->accessibleName(), "Foods");
    EXPECT_EQ(widget("cboUnit")->accessibleName(), "Unit");
    EXPECT_EQ(widget("prgLoad")->accessibleName(), "Loading the cookbook");
    // The simple combo's text line holds the focus: it is named as the box is.
    QWidget* simple = widget("cboAmount");
    EXPECT_EQ(simple->accessibleName(), "Amount");
    EXPECT_EQ(simple->findChild<QLineEdit*>()->accessibleName(), "Amount");
    EXPECT_EQ(simple->findChild<QListWidget*>()->accessibleName(), "Amount");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(simple)->role(), QAccessible::ComboBox);
    amount.setAccessibleName("How much");
    EXPECT_EQ(simple->findChild<QLineEdit*>()->accessibleName(), "How much");
    // Each toolbar button by its tooltip, or by its key when it has none.
    EXPECT_EQ(widget("tbrMain")->accessibleName(), "Main tools");
    EXPECT_EQ(widget("tbrMain:1")->accessibleName(), "Open a cookbook");
    EXPECT_EQ(widget("tbrMain:2")->accessibleName(), "blank");
}

// What a screen reader asks a widget for, as it asks it.
QString Heard(QWidget* widget, QAccessible::Text what = QAccessible::Name) {
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
    return reader ? reader->text(what) : QString();
}

TEST_F(AccessibleNamesTest, ADropDownBoxKeepsItsNameOnceAnEntryIsChosenWhichIsItsValue) {
    auto& type = form->add<ui::ComboBox>("cboType");
    type.setAccessibleName("Recipe type");
    auto& kind = form->add<ui::ComboBox>("cboKind");
    kind.setStyle(ui::ComboStyle::DropDownList);
    kind.setAccessibleName("Kind");
    for (ui::ComboBox* box : {&type, &kind}) {
        box->AddItem("Breads");
        box->AddItem("Soups");
    }
    form->Show();
    type.setListIndex(0);
    kind.setListIndex(1);
    EXPECT_EQ(Heard(widget("cboType")), "Recipe type");
    EXPECT_EQ(Heard(widget("cboType"), QAccessible::Value), "Breads");
    EXPECT_EQ(Heard(widget("cboKind")), "Kind");
    EXPECT_EQ(Heard(widget("cboKind"), QAccessible::Value), "Soups");
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget("cboType"));
    EXPECT_EQ(reader->role(), QAccessible::ComboBox);
    EXPECT_TRUE(reader->state().editable);
    ASSERT_EQ(reader->childCount(), 2) << "its list and its text line";
    EXPECT_EQ(reader->child(1)->object(), widget<QComboBox>("cboType")->lineEdit());
    EXPECT_EQ(reader->indexOfChild(reader->child(0)), 0);
}

TEST_F(AccessibleNamesTest, BarsReadAsBarsAndAPanelsTitleWithoutTheLineBreakThatPlacesIt) {
    auto& tools = form->add<ui::Toolbar>("tbrMain");
    tools.setToolTipText("Main tools");
    auto& status = form->add<ui::StatusBar>("stbMain");
    status.addPanel({});
    auto& rename = form->add<ui::Panel>("pnlRename");
    rename.setCaption("\rRecipe Name Change");
    rename.Move(240, 2400, 3000, 900);
    form->Show();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(widget("tbrMain"))->role(), QAccessible::ToolBar);
    EXPECT_EQ(Heard(widget("tbrMain")), "Main tools");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(widget("stbMain"))->role(), QAccessible::StatusBar);
    EXPECT_EQ(Heard(widget("pnlRename")), "Recipe Name Change");
    rename.setCaption("\r\nRecipe Name Change  ");
    EXPECT_EQ(widget("pnlRename")->accessibleName(), "Recipe Name Change");
}

TEST_F(AccessibleNamesTest, TheNameFollowsTheModelsChanges) {
    form->Show();
    QWidget* cancel = widget("cmdCancel");
    form->cancel->setCaption("&Close");
    EXPECT_EQ(cancel->accessibleName(), "Close");
    form->cancel->setToolTipText("Close the window");
    EXPECT_EQ(cancel->accessibleName(), "Close") << "the caption still comes first";
    form->cancel->setCaption("");
    EXPECT_EQ(cancel->accessibleName(), "Close the window");
    form->cancel->setAccessibleName("Leave without saving");
    EXPECT_EQ(cancel->accessibleName(), "Leave without saving");
    form->cancel->setAccessibleName("");
    EXPECT_EQ(cancel->accessibleName(), "Close the window");
    EXPECT_EQ(cancel->objectName(), "cmdCancel");
}

}  // namespace
}  // namespace platform::qt::testing
