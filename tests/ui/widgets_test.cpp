#include "GraphTestKit.h"
#include "ui/widgets/CheckListBox.h"
#include "ui/widgets/CheckedComboBox.h"
#include "ui/widgets/KevComboBox.h"
#include "ui/widgets/KevIPAddress.h"
#include "ui/widgets/KevLabeled.h"
#include "ui/widgets/KevNumPoint.h"
#include "ui/widgets/KevNumericEdit.h"
#include "ui/widgets/KevRichEdit.h"
#include "ui/widgets/KevVirtualStringTree.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

void Focus(QWidget& Widget, QEvent::Type Type, Qt::FocusReason Reason = Qt::TabFocusReason) {
    QFocusEvent event(Type, Reason);
    QApplication::sendEvent(&Widget, &event);
}

} // namespace

TEST(NumberEdits, RefuseKeysThatLeaveNoNumberOfTheirShape) {
    App();
    struct Case {
        double Min, Max;
        int Entier, Decimale, MaxLength;
        const char* Keys;
        const char* Text;
    };
    const Case cases[] = {
        {0, 0, 3, 0, 32767, "12a3", "123"},      // letters
        {0, 0, 3, 0, 32767, "1234", "123"},      // integer digits without bounds
        {0, 30, 1, 2, 32767, "12.345", "12.34"}, // the bounds allow 2 digits; 2 decimals
        {0, 160, 3, 0, 32767, "15.5", "155"},    // no separator without decimals
        {0, 100, 3, 1, 32767, "-5", "5"},        // no minus with a positive minimum
        {-50, 50, 2, 0, 32767, "-5", "-5"},
        {0, 0, 2, 1, 32767, "1.2.3", "1.2"}, // one separator
        {0, 0, 2, 2, 32767, "1,5", "1,5"},   // the French separator
        {0, 99999, 5, 0, 3, "12345", "123"}, // the maximum length
    };
    for (const Case& c : cases) {
        TKevRichEdit edit;
        edit.SetMinValue(c.Min);
        edit.SetMaxValue(c.Max);
        edit.SetNombreEntier(c.Entier);
        edit.SetNombreDecimale(c.Decimale);
        edit.setMaxLength(c.MaxLength);
        QTest::keyClicks(&edit, c.Keys);
        EXPECT_EQ(edit.text(), c.Text) << c.Keys;
    }
    TKevRichEdit edit;
    edit.SetNombreDecimale(2);
    edit.setText("1,5");
    EXPECT_EQ(edit.Value(), 1.5);
    edit.SetValue(12.345); // the rich edit shows what it is given, with its decimals
    EXPECT_EQ(edit.text(), "12.35");
}

TEST(NumberEdits, TellChangeEnterExitAndValidate) {
    App();
    struct Case {
        const char* Name;
        std::function<void(TKevRichEdit&)> Act;
        int Change, Enter, Exit, Validate;
    };
    const Case cases[] = {
        {"typing", [](TKevRichEdit& e) { QTest::keyClicks(&e, "12"); }, 2, 0, 0, 0},
        {"set by the window", [](TKevRichEdit& e) { e.setText("12"); }, 0, 0, 0, 0},
        {"Enter key", [](TKevRichEdit& e) { QTest::keyClick(&e, Qt::Key_Return); }, 0, 0, 0, 1},
        {"entered and left",
         [](TKevRichEdit& e) {
             Focus(e, QEvent::FocusIn);
             Focus(e, QEvent::FocusOut);
         },
         0, 1, 1, 0},
        {"left after a change",
         [](TKevRichEdit& e) {
             Focus(e, QEvent::FocusIn);
             QTest::keyClick(&e, '7');
             Focus(e, QEvent::FocusOut);
         },
         1, 1, 1, 1},
        {"a pop-up menu takes the focus",
         [](TKevRichEdit& e) {
             QTest::keyClick(&e, '7');
             Focus(e, QEvent::FocusOut, Qt::PopupFocusReason);
             Focus(e, QEvent::FocusIn, Qt::PopupFocusReason);
         },
         1, 0, 0, 0},
    };
    for (const Case& c : cases) {
        TKevRichEditPalier edit;
        QSignalSpy change(&edit, &TKevNumberEdit::Change), enter(&edit, &TKevNumberEdit::Enter),
            exit(&edit, &TKevNumberEdit::Exit), validate(&edit, &TKevNumberEdit::Validate);
        c.Act(edit);
        EXPECT_EQ(std::tuple(change.count(), enter.count(), exit.count(), validate.count()),
                  std::tuple(c.Change, c.Enter, c.Exit, c.Validate))
            << c.Name;
    }
}

TEST(NumberEdits, ShowTheirColourItalicsHintAndStep) {
    App();
    TKevRichEditPalierPoint edit;
    edit.SetColor(65535);
    edit.SetItalic(true);
    edit.SetHint("1..99999");
    edit.SetTag(4);
    edit.SetPointsLies(true);
    EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_TRUE(edit.font().italic());
    EXPECT_EQ(edit.toolTip(), "1..99999");
    EXPECT_EQ(edit.property("Tag").toInt(), 4);
    EXPECT_TRUE(edit.property("PointsLies").toBool());
    TKevRichEditPalierIntensite current;
    EXPECT_EQ(std::pair(current.NombreEntier(), current.NombreDecimale()), std::pair(1, 2));
}

TEST(NumericEdits, KeepTheValueWithinTheBoundsWhenValidated) {
    App();
    struct Case {
        double Min, Max;
        int Precision;
        const char* Keys;
        const char* Text;
    };
    const Case cases[] = {
        {0, 100, 0, "150", "100"}, {10, 100, 0, "5", "10"},    {0, 10, 1, "2.25", "2.2"},
        {0, 10, 1, "3", "3.0"},    {-10, 10, 0, "-20", "-10"}, {0, 0, 0, "123456", "123456"},
    };
    for (const Case& c : cases) {
        TKevNumericEdit edit;
        edit.SetMinValue(c.Min);
        edit.SetMaxValue(c.Max);
        edit.SetPrecision(c.Precision);
        edit.clear();
        QSignalSpy validate(&edit, &TKevNumberEdit::Validate);
        QTest::keyClicks(&edit, c.Keys);
        QTest::keyClick(&edit, Qt::Key_Return);
        EXPECT_EQ(edit.text(), c.Text) << c.Keys;
        EXPECT_EQ(validate.count(), 1);
    }
    TKevNumericEdit edit;
    edit.SetMaxValue(100000);
    edit.setProperty("Value", 250000.0);
    EXPECT_EQ(edit.property("Value").toDouble(), 100000.0);
}

TEST(NumericSpins, MoveByTheirButtonsOnly) {
    App();
    struct Case {
        double Min, Max, Increment, Start;
        int Up, Down;
        double Value;
        int Validate;
    };
    const Case cases[] = {
        {800, 1200, 200, 800, 1, 0, 1000, 1},
        {800, 1200, 200, 1000, 3, 0, 1200, 1},
        {4, 8, 2, 4, 0, 1, 4, 0},
        {200, 2000, 10, 200, 2, 1, 210, 3},
        {1024, 65535, 1, 65535, 1, 0, 65535, 0},
    };
    for (const Case& c : cases) {
        TKevNumericSpin spin;
        spin.resize(120, 24);
        spin.SetMinValue(c.Min);
        spin.SetMaxValue(c.Max);
        spin.SetIncrement(c.Increment);
        spin.SetValue(c.Start);
        QSignalSpy validate(&spin, &TKevNumberEdit::Validate);
        QTest::keyClicks(&spin, "9");
        QTest::keyClick(&spin, Qt::Key_Up);
        for (int i = 0; i < c.Up; ++i)
            QTest::mouseClick(spin.UpButton(), Qt::LeftButton);
        for (int i = 0; i < c.Down; ++i)
            QTest::mouseClick(spin.DownButton(), Qt::LeftButton);
        EXPECT_EQ(spin.Value(), c.Value) << c.Start << " +" << c.Up << " -" << c.Down;
        EXPECT_EQ(validate.count(), c.Validate) << c.Start;
    }
}

TEST(Combos, LabelledControlsLeadToTheirInnerEditor) {
    App();
    TKevLabeledComboBox combo;
    TKevLabeledNumericEdit number;
    TKevLabeledCheckBox check;
    const std::tuple<TKevLabeledControl*, QWidget*, const char*> cases[] = {
        {&combo, combo.GetEditor(), "g20seq::TKEVComboBox"},
        {&number, number.GetEditor(), "g20seq::TKevNumericEdit"},
        {&check, check.GetEditor(), "QCheckBox"},
    };
    for (const auto& [control, editor, className] : cases) {
        control->SetCaption("Numéro de fraise");
        control->SetLabelPosition(TKevLabeledControl::lpAbove);
        EXPECT_STREQ(editor->metaObject()->className(), className);
        EXPECT_EQ(editor->parentWidget(), control);
        EXPECT_EQ(control->Label()->buddy(), editor);
        EXPECT_EQ(control->property("Caption").toString(), "Numéro de fraise");
    }
    TKEVComboBox& inner = *combo.GetEditor();
    inner.addItems({"Uniquement les électrodes en remplacement étendu", "Toutes les électrodes"});
    inner.setProperty("ItemIndex", 1);
    EXPECT_EQ(inner.currentText(), "Toutes les électrodes");
    inner.resize(60, 24);
    inner.FitDropDownToItems();
    EXPECT_GT(inner.view()->minimumWidth(),
              inner.fontMetrics().horizontalAdvance(inner.itemText(0)));
    QSignalSpy enter(&inner, &TKEVComboBox::Enter);
    Focus(inner, QEvent::FocusIn);
    EXPECT_EQ(enter.count(), 1);
}

TEST(CheckLists, CheckedComboShowsAndKeepsItsStates) {
    App();
    struct Case {
        const char* State;
        const char* Kept;
        const char* Text;
    };
    const Case cases[] = {{"101", "101", "DGN, FVE"},
                          {"1", "100", "DGN"},
                          {"", "000", ""},
                          {"1111", "111", "DGN, DFA, FVE"}};
    TCheckedComboBox combo;
    for (const char* item : {"DGN", "DFA", "FVE"})
        combo.AddItem(item);
    for (const Case& c : cases) {
        combo.SetState(c.State);
        EXPECT_EQ(combo.State(), c.Kept) << c.State;
        EXPECT_EQ(combo.CheckedText(), c.Text) << c.State;
    }
    combo.SetState("100");
    combo.resize(200, 24);
    combo.show();
    combo.showPopup();
    QSignalSpy changed(&combo, &TCheckedComboBox::CheckedChange);
    QAbstractItemView* list = combo.view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(2, 0)).center());
    EXPECT_EQ(combo.State(), "101");
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 2);
    EXPECT_TRUE(list->isVisible()); // the list stays open for the next item
    combo.hidePopup();
}

TEST(CheckLists, CheckListTellsOnlyTheUsersTicks) {
    App();
    TCheckListBox list;
    QSignalSpy ticked(&list, &TCheckListBox::ClickCheck);
    list.AddItem("P0", true);
    list.AddItem("P1");
    list.AddItem("P2");
    list.SetChecked(1, true);
    list.SetAllChecked(true);
    EXPECT_EQ(ticked.count(), 0);
    list.SetAllChecked(false);
    list.setCurrentRow(2);
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_EQ(std::tuple(list.Checked(0), list.Checked(1), list.Checked(2)),
              std::tuple(false, false, true));
    ASSERT_EQ(ticked.count(), 1);
    EXPECT_EQ(ticked.at(0).at(0).toInt(), 2);
}

TEST(ListViews, SelectWholeRowsAndPrepareTheirPopupMenu) {
    App();
    TKevVirtualStringTree list;
    list.SetColumns({"N° de point", "Programme"}, {200, 200});
    for (const auto& [point, program] : {std::pair("00.000.000256", "1"), {"A1", "12"}})
        list.AddRow({point, program});
    EXPECT_EQ(list.headerItem()->text(0), "N° de point");
    EXPECT_EQ(list.columnWidth(1), 200);
    EXPECT_TRUE(list.FullRowSelect());
    EXPECT_EQ(list.SelectedRow(), -1);
    list.resize(420, 200);
    list.show();
    QSignalSpy clicked(&list, &TKevVirtualStringTree::Click);
    const QRect second = list.visualItemRect(list.topLevelItem(1));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(list.SelectedRow(), 1);
    EXPECT_EQ(list.Cell(1, 1), "12");
    EXPECT_EQ(list.selectionModel()->selectedIndexes().size(), 2); // both cells of the row

    QMenu menu;
    QAction* first = menu.addAction("0 - Non bloquant");
    menu.addSeparator();
    list.SetPopupMenu(&menu);
    for (const bool shown : {false, true}) {
        QSignalSpy popup(&list, &TKevVirtualStringTree::ContextPopup);
        auto prepare = QObject::connect(&list, &TKevVirtualStringTree::ContextPopup, &list,
                                        [&] { first->setVisible(shown); });
        QContextMenuEvent event(QContextMenuEvent::Mouse, second.center(),
                                list.viewport()->mapToGlobal(second.center()));
        QApplication::sendEvent(list.viewport(), &event);
        QObject::disconnect(prepare);
        EXPECT_EQ(popup.count(), 1);
        EXPECT_EQ(menu.isVisible(), shown); // a menu of hidden items does not open
        menu.hide();
    }
}

TEST(IPAddresses, ParseFormatAndRefuseKeys) {
    App();
    const std::pair<const char*, std::optional<TIPAddress>> parsed[] = {
        {"192.168.0.1", TIPAddress{192, 168, 0, 1}},
        {"255.255.255.255", TIPAddress{255, 255, 255, 255}},
        {"010.002.3.4", TIPAddress{10, 2, 3, 4}},
        {"256.1.1.1", std::nullopt},
        {"1.2.3", std::nullopt},
        {"1.2.3.4.5", std::nullopt},
        {"1..3.4", std::nullopt},
        {"a.b.c.d", std::nullopt},
        {"+1.2.3.4", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, address] : parsed)
        EXPECT_EQ(TKevIPAddress::Parse(text), address) << text;
    EXPECT_EQ(TKevIPAddress::Format({127, 0, 0, 1}), "127.0.0.1");

    const std::pair<const char*, const char*> typed[] = {
        {"192.168.300", "192.168.30"}, {"1.2.3.4.5", "1.2.3.45"}, {"10a.0", "10.0"}};
    for (const auto& [keys, text] : typed) {
        TKevIPAddress edit;
        edit.clear();
        QTest::keyClicks(&edit, keys);
        EXPECT_EQ(edit.text(), text) << keys;
    }
    TKevIPAddress edit;
    edit.setText("10.1");
    EXPECT_FALSE(edit.IsValid());
    EXPECT_EQ(edit.Segment(1), 0);
    edit.SetSegment(3, 7);
    EXPECT_EQ(edit.text(), "0.0.0.7");
    edit.SetAddress({255, 255, 255, 0});
    EXPECT_EQ(std::tuple(edit.Segment(0), edit.Segment(3), edit.IsValid()),
              std::tuple(255, 0, true));
}

TEST(PointNumbers, LayTypedTextOnTheMaskOfTheirKindAndAnswerValidity) {
    App();
    struct Case {
        int Kind;
        const char* Keys;
        const char* Text;
        bool Valid;
    };
    const Case cases[] = {
        {1, "00000000256", "00.000.000256", true},
        {1, "00.000.000256", "00.000.000256", true},
        {1, "00.00.000256", "00.000.00256", false}, // too short for the shape
        {1, "Ab1 2cD 34e", "Ab.1_2.cD_34e", true},
        {1, "00-000", "00.000", false},
        {1, "000000002567", "00.000.000256", true},
        {0, "PT 12", "PT_12", true},
        {0, "   ", "___", false},
        {0, "12.5", "125", true},
        {0, "ABCDEFGHIJ0123456789XYZ", "ABCDEFGHIJ0123456789", true},
        {0, "", "", false},
    };
    for (const Case& c : cases) {
        TKevNumPoint edit;
        edit.SetEditMask("cccccccccccccccccccc;c;_");
        edit.SetClientKind(c.Kind);
        QTest::keyClicks(&edit, c.Keys);
        EXPECT_EQ(edit.text(), c.Text) << c.Keys;
        EXPECT_EQ(edit.IsValid(), c.Valid) << c.Keys;
    }
    const std::tuple<int, const char*, bool> set[] = {{1, "00.000.000256", true},
                                                      {1, "00.00.000256", false},
                                                      {1, "0000000256.00", false},
                                                      {0, "00.000.000256", false},
                                                      {0, "  7", true}};
    for (const auto& [kind, text, valid] : set) {
        TKevNumPoint edit;
        edit.SetClientKind(kind);
        edit.setText(text);
        EXPECT_EQ(edit.IsValid(), valid) << text;
    }
    TKevNumPoint edit;
    QTest::keyClicks(&edit, "A B");
    EXPECT_EQ(std::pair(edit.text(), edit.PointText()), std::pair(QString("A_B"), QString("A B")));
    EXPECT_EQ(edit.SpaceChar(), '_');
    EXPECT_EQ(edit.maxLength(), 20);
}

TEST(WidgetGallery, ShowsOneOfEachControl) {
    App();
    QWidget gallery;
    auto* form = new QFormLayout(&gallery);
    auto* rich = new TKevRichEditPalierPoint;
    rich->setText("12500");
    rich->SetColor(65535);
    auto* current = new TKevRichEditPalierIntensite;
    current->setText("9.50");
    current->SetItalic(true);
    auto* numeric = new TKevNumericEdit;
    numeric->SetMaxValue(100000);
    numeric->SetValue(25000);
    auto* spin = new TKevNumericSpin;
    spin->SetMinValue(800);
    spin->SetMaxValue(1200);
    spin->SetValue(1000);
    auto* combo = new TKEVComboBox;
    combo->addItems({"Remplacement limité", "Remplacement étendu"});
    auto* labelled = new TKevLabeledComboBox;
    labelled->SetCaption("Numéro de fraise");
    labelled->GetEditor()->addItems({"0", "1", "2"});
    auto* labelledCheck = new TKevLabeledCheckBox;
    labelledCheck->SetCaption("Rodage électrode neuve");
    labelledCheck->GetEditor()->setChecked(true);
    auto* checked = new TCheckedComboBox;
    for (const char* item : {"DGN", "DFA", "FVE", "DAS"})
        checked->AddItem(item, item[1] != 'F');
    auto* checks = new TCheckListBox;
    checks->AddItem("P0 - Programmation", true);
    checks->AddItem("P1 - Paliers");
    checks->setMaximumHeight(60);
    auto* list = new TKevVirtualStringTree;
    list->SetColumns({"N° de point", "Programme"}, {140, 80});
    list->AddRow({"00.000.000256", "1"});
    list->AddRow({"01.002.000017", "12"});
    list->SelectRow(1);
    list->setMaximumHeight(90);
    auto* address = new TKevIPAddress;
    address->SetAddress({192, 168, 0, 10});
    auto* point = new TKevNumPoint;
    point->SetClientKind(1);
    point->setText("00.000.000256");
    const std::pair<const char*, QWidget*> rows[] = {
        {"Palier (points)", rich}, {"Palier (kA)", current},        {"Fin de vie fraise", numeric},
        {"Fréquence (Hz)", spin},  {"Type de compensation", combo}, {"", labelled},
        {"", labelledCheck},       {"Sorties au repos", checked},   {"Ecrans", checks},
        {"Points", list},          {"Adresse TCP/IP", address},     {"N° de point", point},
    };
    for (const auto& [caption, widget] : rows)
        form->addRow(caption, widget);
    gallery.resize(460, gallery.sizeHint().height());
    const QImage image = Capture(gallery, "widgets.png");
    EXPECT_FALSE(image.isNull());
    EXPECT_TRUE(HasPixel(image, 0xFFFF00)); // the yellow step edit
}
