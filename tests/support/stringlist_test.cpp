#include "support/Exceptions.h"
#include "support/StringList.h"

#include "support/ModelTestKit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

using namespace g20seq;

namespace {

// Counts its destructions, to observe ownership.
class TCounted : public TObject {
public:
    explicit TCounted(int& deaths) : FDeaths(deaths) {}
    ~TCounted() override { ++FDeaths; }

private:
    int& FDeaths;
};

std::string Lines(const TStringList& list) {
    std::string text;
    for (int i = 0; i < list.Count(); ++i)
        text += (i > 0 ? "|" : "") + list[i];
    return text;
}

} // namespace

TEST(StringList, SortedInsertionAndDuplicates) {
    TStringList list;
    list.SetSorted(true);
    list.SetCaseSensitive(true);
    for (const char* s : {"PrcProgrammes=2", "PrcConfiguration=0", "PrcProgrammes=10", "B", "a"})
        list.Add(s);
    EXPECT_EQ(Lines(list), "B|PrcConfiguration=0|PrcProgrammes=10|PrcProgrammes=2|a");
    EXPECT_EQ(list.Add("B"), 0); // ignored: index of the line already there
    EXPECT_EQ(list.Count(), 5);
    list.SetDuplicates(TDuplicates::dupAccept);
    EXPECT_EQ(list.Add("B"), 0);
    EXPECT_EQ(list.Count(), 6);
    list.SetDuplicates(TDuplicates::dupError);
    EXPECT_THROW(list.Add("a"), EStringListError);
    EXPECT_THROW(list.Insert(0, "c"), EStringListError);
    EXPECT_THROW(list.SetString(0, "c"), EStringListError);
    int index = -1;
    EXPECT_FALSE(list.Find("C", index));
    EXPECT_EQ(index, 2); // where it would go
    EXPECT_TRUE(list.Find("PrcProgrammes=2", index));
    EXPECT_EQ(index, 4);
}

TEST(StringList, CaseInsensitiveLookUp) {
    TStringList list; // case-insensitive by default
    list.Add("Alpha");
    list.Add("beta");
    EXPECT_EQ(list.IndexOf("ALPHA"), 0);
    EXPECT_EQ(list.IndexOf("Gamma"), -1);
    list.SetSorted(true);
    EXPECT_EQ(list.IndexOf("BETA"), 1);
    EXPECT_EQ(list.Add("ALPHA"), 0);
    EXPECT_EQ(list.Count(), 2);
    list.SetCaseSensitive(true); // re-sorted: upper case first in byte order
    list.Add("ALPHA");
    EXPECT_EQ(Lines(list), "ALPHA|Alpha|beta");
}

TEST(StringList, IndexErrorsNameTheIndex) {
    TStringList list;
    list.Add("x");
    EXPECT_THROW(list.Strings(1), EStringListError);
    EXPECT_THROW(list.Delete(-1), EStringListError);
    EXPECT_THROW(list.Exchange(0, 1), EStringListError);
    EXPECT_EQ(testkit::MessageOf<EStringListError>([&] { list.Objects(3); }),
              "List index out of bounds (3)");
    list.Insert(1, "y");
    list.Exchange(0, 1);
    EXPECT_EQ(Lines(list), "y|x");
}

TEST(StringList, NameValueLines) {
    TStringList list;
    list.Add("Electrode=3");
    list.Add("NoSeparator");
    list.Add("Mode=a=b");
    EXPECT_EQ(list.Names(0), "Electrode");
    EXPECT_EQ(list.Names(1), "");
    EXPECT_EQ(list.ValueFromIndex(2), "a=b");
    EXPECT_EQ(list.Values("electrode"), "3");
    EXPECT_EQ(list.IndexOfName("Mode"), 2);
    list.SetValue("Electrode", "4");
    list.SetValue("Frequence", "50");
    list.SetValue("Mode", "");
    EXPECT_EQ(Lines(list), "Electrode=4|NoSeparator|Frequence=50");
    TStringList sorted;
    sorted.SetSorted(true);
    sorted.Add("a=1");
    sorted.Add("b=2");
    sorted.SetValue("a", "9");
    EXPECT_EQ(Lines(sorted), "a=9|b=2");
}

// A sorted list orders "10=..." before "1=..." ('0' sorts before '='): finding a name
// must not stop at a longer name that starts with it, nor take a value for a name.
TEST(StringList, NameLookupInSortedListsMatchesWholeNames) {
    for (const bool caseSensitive : {true, false}) {
        TStringList sorted;
        sorted.SetCaseSensitive(caseSensitive);
        sorted.SetSorted(true);
        sorted.SetDuplicates(TDuplicates::dupAccept);
        for (const char* line :
             {"1=un", "10=dix", "100=cent", "2=deux", "2=bis", "=vide", "3", "a=b=c", "B=x"})
            sorted.Add(line);
        EXPECT_EQ(sorted.Names(sorted.IndexOfName("1")), "1");
        EXPECT_EQ(sorted.Values("1"), "un");
        EXPECT_EQ(sorted.Values("10"), "dix");
        EXPECT_EQ(sorted.Values("100"), "cent");
        EXPECT_EQ(sorted.IndexOfName("2"), 3);
        EXPECT_EQ(sorted.ValueFromIndex(sorted.IndexOfName("2")), "bis");
        EXPECT_EQ(sorted.Values(""), "vide");
        EXPECT_EQ(sorted.IndexOfName("3"), -1);
        EXPECT_EQ(sorted.IndexOfName("1000"), -1);
        EXPECT_EQ(sorted.IndexOfName("a=b"), -1);
        EXPECT_EQ(sorted.Values("a"), "b=c");
        EXPECT_EQ(sorted.IndexOfName("b") >= 0, !caseSensitive);
        EXPECT_EQ(sorted.Values("B"), "x");
    }
}

TEST(StringList, DelimitedTextQuotesWhatWouldNotReadBack) {
    TStringList list;
    for (const char* s : {"plain", "a,b", "say \"hi\"", "two words", "tab\tx", ""})
        list.Add(s);
    EXPECT_EQ(list.CommaText(), "plain,\"a,b\",\"say \"\"hi\"\"\",\"two words\",\"tab\tx\",");
    TStringList back;
    back.SetCommaText(list.CommaText());
    EXPECT_EQ(Lines(back), Lines(list));
    back.SetCommaText("a b, c");
    EXPECT_EQ(Lines(back), "a|b|c");
    back.SetCommaText("\"\"");
    EXPECT_EQ(back.Count(), 1);
    EXPECT_EQ(back.CommaText(), "\"\"");

    TStringList strict;
    strict.SetDelimiter(';');
    strict.SetStrictDelimiter(true);
    strict.SetDelimitedText("a b;c;;d");
    EXPECT_EQ(Lines(strict), "a b|c||d");
    strict.SetString(0, "x;y");
    EXPECT_EQ(strict.DelimitedText(), "\"x;y\";c;;d");
}

TEST(StringList, TextAndFiles) {
    TStringList list;
    list.SetText("a\r\nb\nc\rd\r\n");
    EXPECT_EQ(Lines(list), "a|b|c|d");
    EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n");
    list.SetLineBreak("\n");
    EXPECT_EQ(list.Text(), "a\nb\nc\nd\n");
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);

    const std::string path = ::testing::TempDir() + "stringlist_test.txt";
    list.SetText("Électrode=1\nZ");
    list.SaveToFile(path);
    {
        std::ofstream withMark(path + ".bom", std::ios::binary);
        withMark << "\xEF\xBB\xBF"
                 << "x\r\n";
    }
    TStringList loaded;
    loaded.LoadFromFile(path);
    EXPECT_EQ(Lines(loaded), "Électrode=1|Z");
    loaded.LoadFromFile(path + ".bom");
    EXPECT_EQ(Lines(loaded), "x");
    EXPECT_THROW(loaded.LoadFromFile(path + ".missing"), Exception);
    std::remove(path.c_str());
    std::remove((path + ".bom").c_str());
}

TEST(StringList, OwnershipAndAssign) {
    int deaths = 0;
    {
        TStringList owner(true);
        owner.AddObject("1", new TCounted(deaths));
        owner.AddObject("2", new TCounted(deaths));
        owner.AddObject("3", new TCounted(deaths));
        TStringList copy;
        copy.Assign(&owner); // shares the objects, does not own them
        EXPECT_FALSE(copy.OwnsObjects());
        EXPECT_EQ(copy.Objects(1), owner.Objects(1));
        EXPECT_EQ(copy.IndexOfObject(owner.Objects(2)), 2);
        copy.Clear();
        EXPECT_EQ(deaths, 0);
        owner.Delete(0);
        EXPECT_EQ(deaths, 1);
        owner.Clear();
        EXPECT_EQ(deaths, 3);
        owner.AddObject("4", new TCounted(deaths));
    }
    EXPECT_EQ(deaths, 4); // freed by the destructor

    TStringList list;
    TPersistent other;
    EXPECT_EQ(testkit::MessageOf<EConvertError>([&] { list.Assign(&other); }),
              "Cannot assign a TPersistent to a TStringList");
}

TEST(StringList, CustomSortKeepsObjectsWithTheirLines) {
    TStringList list;
    TObject a, b, c;
    list.AddObject("10", &a);
    list.AddObject("9", &b);
    list.AddObject("100", &c);
    list.CustomSort(
        [](const TStringList& l, int i, int j) { return std::stoi(l[i]) - std::stoi(l[j]); });
    EXPECT_EQ(Lines(list), "9|10|100");
    EXPECT_EQ(list.Objects(0), &b);
    list.Sort();
    EXPECT_EQ(Lines(list), "10|100|9");
    EXPECT_EQ(list.Objects(2), &b);
}
