// Saving and opening a screen's entries: every screen's texts come back exactly, a bad file is
// refused with a reason and changes nothing, and a failed save leaves the earlier file.
#include "Cli.h"

#include "app/ScreenFile.h"
#include "export/Workbook.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

using namespace fincalc;
using fincalc::test::Cli;

namespace {

namespace fs = std::filesystem;

// Texts a spreadsheet or a CSV reader is likely to get wrong.
const std::vector<std::string> kAwkwardTexts = {
    "",
    "1,000",
    "say \"hello\", then \"bye\"",
    "two\nlines",
    "crlf\r\nand cr\r",
    "１２３，４５６。７８",
    "资产负债表：年末数",
    " leading and trailing ",
    "=SUM(A1:A9)",
    "'=not a formula",
    "''@twice",
    "-5",
    "+=+",
    "\x01\x1F\x7F control characters",
    "\"",
    ",",
    std::string(20000, '9'),
};

// A fresh folder for one test, removed after it.
class TempDir {
public:
    TempDir()
        : path_(fs::temp_directory_path() /
                ("fincalc-test-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempDir() { fs::remove_all(path_); }
    fs::path operator/(const std::string& name) const { return path_ / name; }
    std::vector<fs::path> files() const { return {fs::directory_iterator(path_), fs::directory_iterator()}; }

private:
    fs::path path_;
};

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAll(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct Recorder : Observer {
    std::vector<Event> events;
    void onEvent(const Event& event) override { events.push_back(event); }
};

// A session with one screen shown and its fields typed.
struct Shown {
    explicit Shown(int n) : number(n) {
        session.start();
        session.open(n);
        session.addObserver(&recorder);
    }
    const Screen& screen() const { return *session.screen(number); }
    void typeEach(const std::function<std::string(std::size_t)>& text) {
        std::size_t k = 0;
        for (const Control* field : screen().design.fields())
            session.type(number, field->name, text(k++));
    }

    int number;
    Session session;
    Recorder recorder;
};

} // namespace

TEST(ScreenFile, EveryScreenKeepsAwkwardTextsThroughSaveAndOpen) {
    const TempDir dir;
    int kept = 0;
    for (int n = 1; n <= kScreenCount; ++n) {
        const auto design = declareScreen(n);
        if (!design || !keepsEntries(*design))
            continue;
        ++kept;
        SCOPED_TRACE("Form" + std::to_string(n));
        Shown shown(n);
        shown.typeEach([&](std::size_t k) { return kAwkwardTexts[(k + n) % kAwkwardTexts.size()]; });
        const FieldTexts saved = shown.screen().texts;
        const fs::path path = dir / ("Form" + std::to_string(n) + ".csv");
        ASSERT_EQ(saveScreen(shown.screen(), path), std::nullopt);

        shown.typeEach([](std::size_t) { return "typed after the save"; });
        ASSERT_EQ(openScreen(shown.session, n, path), std::nullopt);
        EXPECT_EQ(shown.screen().texts, saved);
        // Each restored field reaches the front ends as a write; the output area stays.
        EXPECT_EQ(shown.recorder.events.size(), saved.size());
        for (const Event& e : shown.recorder.events)
            EXPECT_EQ(e.kind, Event::Kind::Write);
    }
    EXPECT_GT(kept, 0);
}

TEST(ScreenFile, WritesTheDocumentedFormAndReadsBackLabelsAndOutputLines) {
    Shown shown(2);
    shown.session.type(2, "Text1", "0.1");
    shown.session.type(2, "Text3", "=1,000");
    shown.session.click(2, "Command1");
    const ScreenFile file = snapshot(shown.screen());
    const std::string bytes = writeScreenFile(file);
    EXPECT_EQ(bytes, "\xEF\xBB\xBF"
                     "fincalc,1,Form2\r\n"
                     "Text1,利率i=,0.1\r\n"
                     "Text2,复利年金现值P=,\r\n"
                     "Text3,复利年金终值F=,\"'=1,000\"\r\n"
                     "Text4,计息期数n=,\r\n"
                     "Output,,\"P=F(P/F,i,n)=F*(1+i)^(-n)=\"\r\n"
                     "End,,\r\n");
    EXPECT_EQ(std::get<ScreenFile>(readScreenFile(bytes)), file);
}

TEST(ScreenFile, WorksheetBoxesAreNamedByTheirLineAndColumn) {
    const auto design = declareScreen(62);
    if (!design)
        GTEST_SKIP() << "the balance sheet is not in this build";
    const struct {
        const char* field;
        const char* label;
    } cases[] = {
        {"Text2", "货币资金 年初数"},   {"Text35", "货币资金 年末数"}, {"Text167", "货币资金"},
        {"Text101", "短期借款 年末数"}, {"Text199", "年初数"},         {"Text1", "流动资产： 年初数"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fieldLabel(*design, *design->find(c.field)), c.label) << c.field;
}

TEST(ScreenFile, AFileFromASpreadsheetWithoutMarkOrCarriageReturnsOpens) {
    Shown shown(2);
    const std::string file = "fincalc,1,Form2\nText1,,0.05\nText2,,\nText3,x,\"a\nb\"\nText4,,3\nEnd,,\n";
    ASSERT_EQ(openScreenFrom(shown.session, 2, file), std::nullopt);
    EXPECT_EQ(shown.screen().texts.at("Text3"), "a\nb");
    EXPECT_EQ(shown.screen().texts.at("Text4"), "3");
}

TEST(ScreenFile, ABadFileIsRefusedWithItsReasonAndChangesNothing) {
    using Kind = FileError::Kind;
    Shown other(3);
    const std::string form3 = writeScreenFile(snapshot(other.screen()));
    Shown shown(2);
    shown.typeEach([](std::size_t k) { return "typed " + std::to_string(k); });
    const std::string good = writeScreenFile(snapshot(shown.screen()));
    const auto without = [&](std::string_view row) {
        std::string bytes = good;
        const auto at = bytes.find(row);
        return bytes.erase(at, bytes.find("\r\n", at) + 2 - at);
    };
    const auto replaced = [&](std::string_view from, std::string_view to) {
        std::string bytes = good;
        return bytes.replace(bytes.find(from), from.size(), to);
    };
    const std::string header = "fincalc,1,Form2\r\n";

    const struct {
        const char* what;
        std::string bytes;
        Kind kind;
        std::string detail;
    } cases[] = {
        {"another screen's file", form3, Kind::OtherScreen, "Form3"},
        {"a newer format", replaced("fincalc,1,", "fincalc,2,"), Kind::NewerVersion, "2"},
        {"a far newer format", replaced("fincalc,1,", "fincalc,99999999999999999999,"), Kind::NewerVersion,
         "99999999999999999999"},
        {"cut in a row", good.substr(0, good.size() / 2), Kind::Truncated, ""},
        {"cut before the last row", without("End,"), Kind::Truncated, ""},
        {"cut inside quotes", header + "Text1,,\"open", Kind::Truncated, ""},
        {"cut after the first row", header, Kind::Truncated, ""},
        {"a row of four columns", replaced("Text2,", "Text2,x,"), Kind::Malformed, "row 3: 4 columns, not 3"},
        {"a quote inside a text", replaced("Text2,", "Text2,a\"b"), Kind::Malformed,
         "row 3: a quote inside an unquoted text"},
        {"text after quotes", replaced("Text2,", "Text2,\"a\"b"), Kind::Malformed,
         "row 3: text after a closing quote"},
        {"a lone carriage return", replaced("Text2,", "Text2,\r"), Kind::Malformed,
         "row 3: a carriage return outside quotes"},
        {"a field twice", replaced("Text2,", "Text1,"), Kind::Malformed, "row 3: Text1 a second time"},
        {"rows after the last", good + "Text1,,\r\n", Kind::Malformed, "row 7: a row after the last one"},
        {"no version", replaced("fincalc,1,", "fincalc,one,"), Kind::Malformed, "row 1: no format version"},
        {"no screen", replaced("Form2\r\n", "Form02\r\n"), Kind::Malformed, "row 1: no screen name"},
        {"an unknown control", replaced("Text2,", "Text99,"), Kind::UnknownField, "Text99"},
        {"a button's name", replaced("Text2,", "Command1,"), Kind::UnknownField, "Command1"},
        {"a field missing", without("Text4,"), Kind::MissingField, "Text4"},
        {"another program's table", "name,value,unit\r\n", Kind::NotScreenFile, ""},
        {"an empty file", "", Kind::NotScreenFile, ""},
        {"a picture", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), Kind::NotText, ""},
        {"broken UTF-8", replaced("利率", "\xE5\x88"), Kind::NotText, ""},
        {"an overlong UTF-8 form", replaced("Text2,", "Text2,\xC0\xAC"), Kind::NotText, ""},
        {"a NUL byte", replaced("Text2,", std::string("Text2,\0", 7)), Kind::NotText, ""},
        {"several megabytes", good + std::string(3 << 20, 'x'), Kind::TooLarge,
         std::to_string(good.size() + (3 << 20))},
    };
    const TempDir dir;
    const FieldTexts before = shown.screen().texts;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path path = dir / "bad.csv";
        writeAll(path, c.bytes);
        const auto refused = openScreen(shown.session, 2, path);
        ASSERT_TRUE(refused.has_value());
        EXPECT_EQ(refused->kind, c.kind) << describe(*refused);
        EXPECT_EQ(refused->detail, c.detail);
        EXPECT_EQ(shown.screen().texts, before);
        EXPECT_TRUE(shown.recorder.events.empty());
    }

    // Paths that cannot be read.
    const fs::path missing = dir / "missing.csv";
    for (const fs::path& path : {missing, fs::path(dir / ""), fs::path("/dev/zero")}) {
        const auto refused = openScreen(shown.session, 2, path);
        ASSERT_TRUE(refused.has_value()) << path;
        EXPECT_EQ(refused->kind, Kind::CannotRead) << path;
    }
    EXPECT_EQ(shown.screen().texts, before);
}

// A save that fails half-way (here the file size limit; a full disk fails alike) leaves the
// earlier file as it was, and no temporary file behind.
TEST(ScreenFile, AnInterruptedSaveLeavesTheEarlierFile) {
    const TempDir dir;
    const fs::path path = dir / "kept.csv";
    Shown shown(2);
    shown.session.type(2, "Text1", "0.05");
    ASSERT_EQ(saveScreen(shown.screen(), path), std::nullopt);
    const std::string earlier = readAll(path);

    shown.session.type(2, "Text1", std::string(64 * 1024, '7'));
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{.rlim_cur = 4096, .rlim_max = limit.rlim_max};
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto refused = saveScreen(shown.screen(), path);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);

    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->kind, FileError::Kind::CannotWrite);
    EXPECT_EQ(readAll(path), earlier);
    EXPECT_EQ(dir.files(), std::vector<fs::path>{path});

    // Nor may a save land on a folder, or a file too large to open again be written.
    EXPECT_EQ(saveScreen(shown.screen(), dir / "")->kind, FileError::Kind::CannotWrite);
    shown.session.type(2, "Text1", std::string(kMaxScreenFileBytes, '7'));
    EXPECT_EQ(saveScreen(shown.screen(), path)->kind, FileError::Kind::TooLarge);
    EXPECT_EQ(readAll(path), earlier);
}

// Only a console script can type bytes that are not UTF-8, or a NUL: nothing unreadable is written.
TEST(ScreenFile, EntriesThatAreNotTextAreNeitherSavedNorExported) {
    const TempDir dir;
    for (const std::string& text : {std::string("bad\xFFutf"), std::string("nul\0byte", 8)}) {
        Shown shown(2);
        shown.session.type(2, "Text2", text);
        EXPECT_EQ(saveScreen(shown.screen(), dir / "a.csv")->kind, FileError::Kind::NotText);
        EXPECT_EQ(exportWorkbook(shown.screen(), dir / "a.xlsx")->kind, FileError::Kind::NotText);
        EXPECT_TRUE(dir.files().empty());
    }
}

TEST(ScreenFile, SavingOverALinkReplacesTheFileItNames) {
    const TempDir dir;
    writeAll(dir / "target.csv", "old");
    fs::create_symlink(dir / "target.csv", dir / "link.csv");
    Shown shown(2);
    ASSERT_EQ(saveScreen(shown.screen(), dir / "link.csv"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(dir / "link.csv"));
    EXPECT_TRUE(readAll(dir / "target.csv")
                    .starts_with("\xEF\xBB\xBF"
                                 "fincalc,1,Form2\r\n"));
}

TEST(ScreenFile, ConsoleVerbsSaveLoadAndExport) {
    const TempDir dir;
    const std::string csv = (dir / "a.csv").string(), xlsx = (dir / "a.xlsx").string();
    Cli cli;
    cli.run("open Form2\ntype Form2.Text1 0.1\ntype Form2.Text3 1,000\n");
    EXPECT_EQ(cli.run("save Form2 " + csv + "\nexport Form2 " + xlsx + "\n"), "");
    EXPECT_TRUE(readAll(xlsx).starts_with("PK")); // a zip archive; its cells are checked by ctest

    EXPECT_EQ(cli.run("type Form2.Text1 9\ntype Form2.Text2 8\nload Form2 " + csv + "\n"),
              "write\tForm2.Text1\t0.1\nwrite\tForm2.Text2\t\n");
    EXPECT_EQ(cli.run("read Form2.Text3\n"), "text\tForm2.Text3\t1,000\n");

    const struct {
        std::string command;
        std::string printed;
    } refusals[] = {
        {"save Form2", "error\tbad command: Form2\n"},
        {"save Form999 " + csv, "error\tunknown screen: Form999 " + csv + "\n"},
        {"load Form62 " + csv, "error\tscreen not shown: Form62 " + csv + "\n"},
        {"save Form1 " + csv, "error\tscreen has no entries: Form1 " + csv + "\n"},
        {"load Form2 " + csv + ".none",
         "error\tcannot read the file (No such file or directory): Form2 " + csv + ".none\n"},
        {"open Form3\nload Form3 " + csv,
         "show\tForm3\nerror\tfile of Form2, another screen: Form3 " + csv + "\n"},
        {"export Form2 " + dir.operator/("").string(),
         "error\tcannot write the file (Is a directory): Form2 " + (dir / "").string() + "\n"},
    };
    for (const auto& r : refusals)
        EXPECT_EQ(cli.run(r.command + "\n"), r.printed);

    // A driver for scripts of unknown origin touches no file.
    std::ostringstream out;
    Driver fenced(out, false, Driver::Files::Refused);
    fenced.command("open Form2");
    fenced.command("save Form2 " + csv + ".fenced");
    EXPECT_NE(out.str().find("error\tfiles are not allowed here"), std::string::npos);
    EXPECT_FALSE(fs::exists(csv + ".fenced"));
}
