// Whatever hv.dat holds, the rows the dialog reads from it are the rows it
// reads back after saving them: the first save must not change the table.
#include "StorageTestSupport.h"

namespace {

struct RoundTripCase {
    const char* name;
    std::string file;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class RoundTripTest : public MainDlgHarness, public ::testing::WithParamInterface<RoundTripCase> {
protected:
    void SetUp() override {}  // each test prepares hv.dat before opening
};

TEST_P(RoundTripTest, SavedRowsReadBackUnchanged) {
    WriteBytes("hv.dat", GetParam().file);
    Open();
    const std::vector<Entry> loaded = Rows();
    ASSERT_FALSE(loaded.empty());
    Close();
    const std::string saved = ReadBytes("hv.dat");
    Open();
    EXPECT_EQ(Rows(), loaded);
    Close();
    EXPECT_EQ(ReadBytes("hv.dat"), saved) << "saving the same rows twice gave other bytes";
}

INSTANTIATE_TEST_SUITE_P(
    Files, RoundTripTest,
    ::testing::Values(
        RoundTripCase{"GeneratedTable",
                      halvenor_support::DataFileText(halvenor_support::GenerateRows(200, 1))},
        RoundTripCase{"Windows1252AndControlBytes", "ITEM=Caf\xE9\x81\x9D\nNOTES=\x01\x7F\xA0\n"},
        RoundTripCase{"CarriageReturnInsideAValue", "ITEM=a\rb\nNOTES=one\r two\n"},
        RoundTripCase{"CarriageReturnLineEndsOnly", "ITEM=a\rSTATUS=Paid\rCOST=5\r"},
        RoundTripCase{"TrailingSpaceBeforeCrCrLf", "ITEM=a \r\r\nCOST=\t\r\n"}),
    [](const ::testing::TestParamInfo<RoundTripCase>& c) { return std::string(c.param.name); });

}  // namespace
