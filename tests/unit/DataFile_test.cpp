// The data file "hv.dat": its bytes, the reader's rules and the mends that
// keep every entry safe.
#include <sys/stat.h>

#include <filesystem>

#include "FileFixtures.h"
#include "MainDlgHarness.h"

namespace {

const std::string kTwoEntryFile =
    "CREATOR=HV 1.0\r\n"
    "ITEM=Flowers\r\nSTATUS=Ordered\r\nCOST=250\r\nDATE=2004-06-12\r\nSUPPLIER=Rose Garden\r\n"
    "SUPPLIERCONTACT=Shop manager\r\nSUPPLIERDETAIL=555 0101\r\nNOTES=Deliver by ten\r\n"
    "\r\n"
    "ITEM=Cake\r\nSTATUS=Paid\r\nCOST=180\r\nDATE=2004-06-11\r\nSUPPLIER=Town Bakery\r\n"
    "SUPPLIERCONTACT=Front desk\r\nSUPPLIERDETAIL=555 0199\r\nNOTES=\r\n";

const Entry kCake{"Cake", "Paid", "180", "2004-06-11", "Town Bakery", "Front desk", "555 0199", ""};
const Entry kFlowers{"Flowers",     "Ordered",      "250",      "2004-06-12",
                     "Rose Garden", "Shop manager", "555 0101", "Deliver by ten"};

class DataFileTest : public MainDlgHarness {
protected:
    void SetUp() override {}  // each test prepares hv.dat before opening
    void Load(const std::string& bytes) {
        WriteBytes("hv.dat", bytes);
        Open();
    }
    std::string SaveAndRead() {
        Close();
        return ReadBytes("hv.dat");
    }
};

TEST_F(DataFileTest, OneEntryIsNineLinesOf101Bytes) {
    Open();
    AddEntry(MakeEntry("x"));
    const std::string bytes = SaveAndRead();
    EXPECT_EQ(bytes,
              "CREATOR=HV 1.0\r\nITEM=x\r\nSTATUS=\r\nCOST=\r\nDATE=\r\nSUPPLIER=\r\n"
              "SUPPLIERCONTACT=\r\nSUPPLIERDETAIL=\r\nNOTES=\r\n");
    EXPECT_EQ(bytes.size(), 101u);
}

TEST_F(DataFileTest, TwoEntriesAreWrittenBottomRowFirst) {
    Open();
    AddEntry(kFlowers);
    AddEntry(kCake);
    EXPECT_EQ(SaveAndRead(), kTwoEntryFile);
}

TEST_F(DataFileTest, LoadingGivesTheSameRowsInTheSameOrder) {
    Load(kTwoEntryFile);
    EXPECT_EQ(Rows(), (std::vector<Entry>{kCake, kFlowers}));
    EXPECT_EQ(Shown(IDC_EDIT_ITEM_COUNT), "2");
    EXPECT_EQ(ShownEntry(), Entry{});
    EXPECT_EQ(DropList(dlg->m_cbItem), (std::vector<CString>{"Cake", "Flowers"}));
    EXPECT_EQ(DropList(dlg->m_cbStatus), (std::vector<CString>{"Ordered", "Paid"}));
    EXPECT_EQ(SaveAndRead(), kTwoEntryFile);
}

TEST_F(DataFileTest, EmptyTableGivesAnEmptyFileAndAMissingFileIsCreated) {
    Open();
    EXPECT_TRUE(std::filesystem::exists("hv.dat"));
    EXPECT_EQ(std::filesystem::file_size("hv.dat"), 0u);
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(SaveAndRead(), "");
}

TEST_F(DataFileTest, SaveKeepsTheTableOrderAndDropsUnaddedTypedText) {
    Open();
    AddEntry(MakeEntry("a"));
    AddEntry(MakeEntry("b"));
    Type(IDC_EDIT_NOTES, "never added");
    dlg->SaveDataFile();
    EXPECT_EQ(Rows()[0][0], "b");
    EXPECT_EQ(Rows()[1][0], "a");
    EXPECT_EQ(ShownEntry(), Entry{});
}

struct ReaderCase {
    const char* name;
    std::string file;
    std::vector<Entry> rows;  // top row first
};

void PrintTo(const ReaderCase& c, std::ostream* os) { *os << c.name; }

class ReaderTest : public DataFileTest, public ::testing::WithParamInterface<ReaderCase> {};

TEST_P(ReaderTest, LoadsTheExpectedRows) {
    Load(GetParam().file);
    EXPECT_EQ(Rows(), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReaderTest,
    ::testing::Values(
        ReaderCase{"BareLineFeeds", "ITEM=a\nSTATUS=s\n\nITEM=b\n", {{"b"}, {"a", "s"}}},
        ReaderCase{"NoHeader", "ITEM=a\r\nCOST=1\r\n", {{"a", "", "1"}}},
        ReaderCase{
            "EqualsInValue", "ITEM=a=b\r\nNOTES==x=\r\n", {{"a=b", "", "", "", "", "", "", "=x="}}},
        ReaderCase{
            "TrailingSpaceDroppedLeadingKept", "ITEM=  a \t \r\nCOST= 5 \r\n", {{"  a", "", " 5"}}},
        ReaderCase{
            "LowerCaseAndSpacedKeysIgnored", "ITEM=a\nstatus=x\n STATUS=y\nSTATUS =z\n", {{"a"}}},
        ReaderCase{"EmptyItemBlockNotAdded", "ITEM=\nSTATUS=lost\n\nITEM=b\n", {{"b"}}},
        ReaderCase{"MissingKeyIsEmptyNotThePreviousValue",
                   "ITEM=a\nCOST=9\n\nITEM=b\n",
                   {{"b"}, {"a", "", "9"}}},
        ReaderCase{"LinesBeforeTheFirstItemBelongToNoEntry", "COST=9\nITEM=a\n", {{"a"}}},
        ReaderCase{"FieldsInAnyOrder",
                   "ITEM=a\nNOTES=n\nSTATUS=s\n",
                   {{"a", "s", "", "", "", "", "", "n"}}},
        ReaderCase{
            "LastLineWithoutBreak", "ITEM=a\nNOTES=end", {{"a", "", "", "", "", "", "", "end"}}},
        ReaderCase{"LineWithoutEqualsHasNoEffect", "ITEM=a\ngarbage\nCOST\n", {{"a"}}},
        ReaderCase{
            "Windows1252Accents",
            "ITEM=Caf\xE9\nNOTES=\x80 5 \x93ok\x94\n",
            {{"Caf\xC3\xA9", "", "", "", "", "", "", "\xE2\x82\xAC 5 \xE2\x80\x9Cok\xE2\x80\x9D"}}},
        ReaderCase{"Utf8TakenAsItIs", "ITEM=Caf\xC3\xA9\n", {{"Caf\xC3\xA9"}}},
        ReaderCase{"NulBytesKept", std::string("ITEM=a\0b\n", 9), {{std::string("a\0b", 3)}}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(DataFileTest, TenMegabyteLineLoadsWhole) {
    const std::string longValue(10 * 1024 * 1024, 'v');
    Load("ITEM=a\nNOTES=" + longValue + "\n");
    ASSERT_EQ(Rows().size(), 1u);
    EXPECT_EQ(Rows()[0][7], longValue);
}

TEST_F(DataFileTest, Windows1252FileIsWrittenBackAsUtf8) {
    Load("ITEM=Cr\xE8me br\xFBl\xE9\n");
    const std::string bytes = SaveAndRead();
    EXPECT_NE(bytes.find("ITEM=Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9\r\n"), std::string::npos);
}

TEST_F(DataFileTest, LoadedValuesDoNotPassThroughTheComboDisplay) {
    // Shown in a combo whose list holds "Paid in full", "Paid" would be
    // read back as the longer line; the loader must keep it exact.
    Load("ITEM=a\nSTATUS=Paid in full\n\nITEM=b\nSTATUS=paid\n\nITEM=c\nSTATUS=\n");
    EXPECT_EQ(Rows()[2][1], "Paid in full");
    EXPECT_EQ(Rows()[1][1], "paid");
    EXPECT_EQ(Rows()[0][1], "");
}

TEST_F(DataFileTest, LineBreaksInsideValuesNeverBreakTheFormat) {
    Open();
    AddEntry(MakeEntry("a"));
    dlg->m_list.SetItemText(0, 7, "one\r\ntwo\nthree");
    const std::string bytes = SaveAndRead();
    EXPECT_NE(bytes.find("NOTES=one  two three\r\n"), std::string::npos);
    Open();
    EXPECT_EQ(Rows().size(), 1u);
}

TEST_F(DataFileTest, ReadOnlyFileOrFolderGivesTheBoxAndKeepsTheFile) {
    for (const bool folder : {false, true}) {
        SCOPED_TRACE(folder ? "read-only folder" : "read-only file");
        Load(kTwoEntryFile);
        AddEntry(MakeEntry("new"));
        chmod(folder ? "." : "hv.dat", folder ? 0555 : 0444);
        fake.boxes.Expect("Save to File", "Error Writing File", MB_OK, IDOK);
        Close();
        fake.boxes.VerifyAllShown();
        chmod(folder ? "." : "hv.dat", folder ? 0755 : 0644);
        EXPECT_EQ(ReadBytes("hv.dat"), kTwoEntryFile);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."),
                                std::filesystem::directory_iterator()),
                  1)
            << "no temporary file is left behind";
    }
}

TEST_F(DataFileTest, SavingKeepsTheFileModeAndFollowsALink) {
    WriteBytes("real.dat", kTwoEntryFile);
    chmod("real.dat", 0640);
    std::filesystem::create_symlink("real.dat", "hv.dat");
    Open();
    AddEntry(MakeEntry("new"));
    Close();
    EXPECT_TRUE(std::filesystem::is_symlink("hv.dat"));
    EXPECT_NE(ReadBytes("real.dat").find("ITEM=new"), std::string::npos);
    struct stat st {};
    stat("real.dat", &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

}  // namespace
