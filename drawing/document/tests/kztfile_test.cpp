#include "drawing/document/kztfile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "drawing/document/squarerecord.h"
#include "platform/messages.h"

namespace document {
namespace {

namespace fs = std::filesystem;
using platform::Icon;

const std::string kExamples = std::string(TRELMO_SOURCE_DIR) + "/examples";

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

class KztFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("kztfile_test_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    LoadResult loadBytes(Crossword& doc, std::string_view bytes) {
        LoadOptions options;
        options.readBitmaps = false;
        return LoadBytes(doc, bytes, options);
    }

    fs::path dir_;
    platform::MessageRecorder recorder_;
    platform::ScopedMessageService scoped_{recorder_};
};

TEST_F(KztFile, EveryExampleKeepsEveryByteThroughLoadAndSave) {
    int examples = 0;
    for (const auto& entry : fs::directory_iterator(kExamples)) {
        if (entry.path().extension() != ".kzt") continue;
        ++examples;
        Crossword doc;
        ASSERT_EQ(Load(doc, entry.path().string()), LoadResult::Loaded) << entry.path();
        const fs::path out = dir_ / entry.path().filename();
        ASSERT_TRUE(Save(doc, out.string()));
        EXPECT_EQ(readFile(out), readFile(entry.path())) << entry.path();
    }
    EXPECT_GT(examples, 0);
    EXPECT_TRUE(recorder_.shown.empty()) << recorder_.shown[0].caption;
}

TEST_F(KztFile, SampleHoldsPictureCodeFieldsAndClearedSeparators) {
    Crossword doc;
    ASSERT_EQ(Load(doc, kExamples + "/sample13x10.kzt"), LoadResult::Loaded);
    EXPECT_EQ(doc.dimensions.width, 13);
    EXPECT_EQ(doc.dimensions.height, 10);
    ASSERT_EQ(doc.pictures.size(), 1u);
    EXPECT_TRUE(doc.pictures[0].hasBitmap()) << "found beside the crossword";
    EXPECT_EQ(doc.pictures[0].path, "heart.bmp");
    ASSERT_EQ(doc.codeFields.size(), 2u);
    EXPECT_EQ(doc.codeFields[1].code, 12);
    EXPECT_EQ(doc.grid.At(4, 2).lineRight, 0);
    EXPECT_EQ(doc.grid.At(1, 2).Letter(), 'H');
    EXPECT_FALSE(doc.modified);
    EXPECT_FALSE(doc.untitled);
}

TEST_F(KztFile, SquareRecordsAreWrittenAsTheFormatSays) {
    std::string letter;
    WriteSquare(letter, KPoint());
    EXPECT_EQ(
        letter,
        std::string("\r\n\tBOGSTAV\t\"\0\"\t45.0000\t0\t0.360000\t0.00000\t0.00000\t1\t1", 53));
    KPoint clue;
    clue.MakeClue("A|B");
    std::string written;
    WriteSquare(written, clue);
    std::string expected = "\r\n\tLEDEORD\t\"A|B\"\t45.0000\t0\t0.360000\t0.00000";
    for (int i = 1; i < 10; ++i) expected += "\t45.0000\t0\t0.360000\t-0.100000";
    EXPECT_EQ(written, expected + "\t1\t1");

    std::string fixed;
    WriteSquare(fixed, KPoint(), RealNotation::Fixed);
    EXPECT_NE(fixed.find("45.000000\t0\t0.360000\t0.000000"), std::string::npos);
}

TEST_F(KztFile, HeaderAndRowsOfASavedCrossword) {
    Crossword doc(13, 10);
    const std::string bytes = SaveToString(doc);
    EXPECT_EQ(bytes.rfind("13\t10\r\nBEGIN\t0\r\n", 0), 0u);
    EXPECT_NE(bytes.find("\r\nEND\t9"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 7), "\r\nEND\t9") << "no line end after the last record";
}

TEST_F(KztFile, ClueTextsWithQuotesLineEndsAndFullLengthReadBackSquareForSquare) {
    Crossword doc(3, 1);
    doc.grid.At(1, 1).MakeClue("\"Citat\" og \"\"|Linje\nto\r");
    doc.grid.At(2, 1).MakeClue(std::string(1998, 'x') + "\"");
    doc.grid.At(3, 1).MakeLetter('"');
    Crossword back;
    ASSERT_EQ(loadBytes(back, SaveToString(doc)), LoadResult::Loaded);
    for (int x = 1; x <= 3; ++x) {
        EXPECT_EQ(back.grid.At(x, 1).Text(), doc.grid.At(x, 1).Text()) << x;
        EXPECT_EQ(back.grid.At(x, 1).isClue, doc.grid.At(x, 1).isClue) << x;
    }
}

TEST_F(KztFile, OverlongClueTextIsCutAndTheRestOfTheFileStillReads) {
    std::string file = "2\t1\r\nBEGIN\t0\r\n\tLEDEORD\t\"" + std::string(3000, 'y') + "\"";
    for (int i = 0; i < 10; ++i) file += "\t30.0000\t0\t0.360000\t0.00000";
    file += "\t0\t1\r\n\tBOGSTAV\t\"Q\"\t45.0000\t0\t0.360000\t0.00000\t0.00000\t1\t1\r\nEND\t0";
    Crossword doc;
    ASSERT_EQ(loadBytes(doc, file), LoadResult::Loaded);
    EXPECT_EQ(doc.grid.At(1, 1).Text(), std::string(1999, 'y'));
    EXPECT_EQ(doc.grid.At(1, 1).lineHeight[9], 30.0);
    EXPECT_EQ(doc.grid.At(1, 1).lineRight, 0);
    EXPECT_EQ(doc.grid.At(2, 1).Letter(), 'Q');
}

TEST_F(KztFile, LayoutValuesSurviveTheRoundTripToSixDigits) {
    Crossword doc(1, 1);
    KPoint& k = doc.grid.At(1, 1);
    k.MakeClue("x");
    const double values[] = {45.0,    0.36,  -0.1,         1234.5678, 0.00001234567,
                             -3.2e-7, 2.5e6, -987654321.0, 1e300,     0.0};
    for (int i = 0; i < 10; ++i) {
        k.lineHeight[i] = values[i];
        k.widthRatio[i] = -values[i];
        k.widthSet[i] = i;
    }
    Crossword back;
    const std::string bytes = SaveToString(doc);
    EXPECT_EQ(bytes.find('e'), std::string::npos) << "the number reader knows no exponent";
    ASSERT_EQ(loadBytes(back, bytes), LoadResult::Loaded);
    const KPoint& b = back.grid.At(1, 1);
    for (int i = 0; i < 10; ++i) {
        EXPECT_NEAR(b.lineHeight[i], values[i], std::abs(values[i]) * 1e-5) << i;
        EXPECT_NEAR(b.widthRatio[i], -values[i], std::abs(values[i]) * 1e-5) << i;
        EXPECT_EQ(b.widthSet[i], i);
    }
    EXPECT_EQ(SaveToString(back), bytes);
}

TEST_F(KztFile, NumberReader) {
    struct Case {
        const char* name;
        std::string_view input;
        double value;
        std::size_t consumed;
    };
    const Case cases[] = {
        {"plain", "\t45.0000\t", 45.0, 8},
        {"negative", "\t-0.100000\t", -0.1, 10},
        {"minus anywhere before", "-x 3", -3.0, 4},
        {"point first", ".5x", 0.5, 2},
        {"further point ignored", "1.2.5 ", 1.25, 5},
        {"ends inside", "12", 12.0, 2},
        {"nothing but blanks", "  \t-", 0.0, 4},
        {"empty", "", 0.0, 0},
        {"huge",
         std::string_view("9999999999999999999999999999999999999999999999999999999999"
                          "9999999999999999999999999999999999999999999999999999999999"
                          "9999999999999999999999999999999999999999999999999999999999"
                          "9999999999999999999999999999999999999999999999999999999999"
                          "9999999999999999999999999999999999999999999999999999999999"
                          "99999999999999999999999999999999999999999999999999999999"),
         std::numeric_limits<double>::max(), 346},
    };
    for (const Case& c : cases) {
        KztReader in(c.input);
        EXPECT_DOUBLE_EQ(ReadNumber(in), c.value) << c.name;
        EXPECT_EQ(in.position(), c.consumed) << c.name;
    }
    EXPECT_EQ(TruncateToInt(1e300), INT32_MAX);
    EXPECT_EQ(TruncateToInt(-2.9), -2);
}

TEST_F(KztFile, PlainLetterGrid) {
    Crossword doc;
    ASSERT_EQ(loadBytes(doc, "3 2\r\nA+b\r\nC D\r\n"), LoadResult::Loaded);
    EXPECT_EQ(doc.grid.At(1, 1).Letter(), 'A');
    EXPECT_EQ(doc.grid.At(2, 1).Letter(), '\xD8');
    EXPECT_EQ(doc.grid.At(3, 1).Letter(), 'b') << "not upper-cased";
    EXPECT_EQ(doc.grid.At(1, 2).Letter(), 'C');
    EXPECT_EQ(doc.grid.At(2, 2).isClue, 1);
    EXPECT_EQ(doc.grid.At(2, 2).Text(), "");
    EXPECT_EQ(doc.grid.At(3, 2).Letter(), 'D');

    Crossword shortRows;
    ASSERT_EQ(loadBytes(shortRows, "4 3\nAB\n\xA5"), LoadResult::Loaded);
    EXPECT_EQ(shortRows.grid.At(2, 1).Letter(), 'B');
    EXPECT_EQ(shortRows.grid.At(3, 1).isClue, 1) << "past the end of a short line";
    EXPECT_EQ(shortRows.grid.At(4, 1).isClue, 1);
    EXPECT_EQ(shortRows.grid.At(1, 2).Letter(), '\xD8');
    EXPECT_EQ(shortRows.grid.At(1, 3).isClue, 1) << "a missing row";
    EXPECT_TRUE(recorder_.shown.empty());
}

TEST_F(KztFile, RowStartWithoutItsFirstLetterIsStillARow) {
    Crossword doc;
    ASSERT_EQ(loadBytes(doc,
                        "1\t1\r\nEGIN\t0\r\n\tBOGSTAV\t\"K\"\t45.0000\t0\t0.360000\t0.00000"
                        "\t0.00000\t1\t0\r\nEND\t0"),
              LoadResult::Loaded);
    EXPECT_EQ(doc.grid.At(1, 1).Letter(), 'K');
    EXPECT_EQ(doc.grid.At(1, 1).lineBottom, 0);
}

TEST_F(KztFile, RefusedHeadersLeaveTheDocumentAlone) {
    for (std::string_view header :
         {"51 10", "0 5", "5 0", "10 -3", "kryds", "", "7", "99999999999 1"}) {
        Crossword doc(4, 4);
        doc.grid.At(1, 1).MakeLetter('Z');
        doc.modified = true;
        recorder_.shown.clear();
        EXPECT_EQ(loadBytes(doc, header), LoadResult::Refused) << header;
        EXPECT_EQ(doc.grid.At(1, 1).Letter(), 'Z');
        EXPECT_TRUE(doc.modified);
        ASSERT_EQ(recorder_.shown.size(), 1u);
        EXPECT_EQ(recorder_.shown[0].text,
                  "Unexpected input\nIt is may not be a kzt-file og ASCII-Crossword file from "
                  "the w7 ?");
        EXPECT_EQ(recorder_.shown[0].caption, "Warning");
        EXPECT_EQ(recorder_.shown[0].icon, Icon::Stop);
    }
}

TEST_F(KztFile, FailureMessages) {
    struct Case {
        const char* name;
        std::string file;
        std::string text;
        std::string caption;
        Icon icon;
        std::size_t pictures;
    };
    const std::string row =
        "2\t1\r\nBEGIN\t0\r\n\tBOGSTAV\t\"A\"\t45.0000\t0\t0.360000\t0.00000\t0.00000\t1\t1";
    const std::string square = "\r\n\tBOGSTAV\t\"B\"\t45.0000\t0\t0.360000\t0.00000\t0.00000\t1\t1";
    const std::string grid = row + square + "\r\nEND\t0";
    const std::string picture = "\r\n\r\n10\t0\t0\t1.00000\t1.00000\t0.00000\t0.00000\r\na.bmp\r\n";
    const Case cases[] = {
        {"unknown square kind", row + "\r\n\tBLOK\t\"B\"" + "\r\nEND\t0", ">>BLOK<< strlen 4",
         "Unknown string in Kpoint\nShall be either BOGSTAV (letter) og LEDEORD (clue)\nError in "
         "kzt-filen ?",
         Icon::Exclamation, 0},
        {"bad picture marker", grid + "\r\nIMAGES" + picture + "+" + picture + "x a b\r\nc",
         "An unexpected character +-sign expected: >x<\n(a,b,c)\nposition " +
             std::to_string(grid.size() + 8 + 2 * picture.size() + 1 + 8),
         "Reading - Drawings", Icon::None, 0},
        {"end inside the pictures", grid + "\r\nIMAGES" + picture + "+" + picture,
         "EOF without minus\nPosible error in the kzt-file", "Reading - Drawings",
         Icon::Exclamation, 2},
    };
    for (const Case& c : cases) {
        recorder_.shown.clear();
        Crossword doc;
        ASSERT_EQ(loadBytes(doc, c.file), LoadResult::Loaded) << c.name;
        ASSERT_EQ(recorder_.shown.size(), 1u) << c.name;
        EXPECT_EQ(recorder_.shown[0].text, c.text) << c.name;
        EXPECT_EQ(recorder_.shown[0].caption, c.caption) << c.name;
        EXPECT_EQ(recorder_.shown[0].icon, c.icon) << c.name;
        EXPECT_EQ(doc.pictures.size(), c.pictures) << c.name;
    }
}

TEST_F(KztFile, UnknownSquareKindLeavesTheSquareDefaultAndReadingGoesOn) {
    Crossword doc;
    ASSERT_EQ(loadBytes(doc,
                        "2 1\nBEGIN 0\nFOO\n\tBOGSTAV\t\"B\"\t45.0000\t0\t0.360000\t0.00000"
                        "\t0.00000\t1\t1\nEND 0"),
              LoadResult::Loaded);
    EXPECT_EQ(doc.grid.At(1, 1).Letter(), 0);
    EXPECT_EQ(doc.grid.At(2, 1).Letter(), 'B');
}

TEST_F(KztFile, PicturesOldAndNewFormKeepOrderAndMissingFiles) {
    const std::string file =
        "1\t1\r\nBEGIN\t0\r\n\tBOGSTAV\t\"A\"\t45.0000\t0\t0.360000\t0.00000\t0.00000\t1\t1"
        "\r\nEND\t0\r\nKODEFELT\t45.0000\t0\t0.360000\t0.00000\t0.00000\t3\t1\t1"
        "\r\nIMAGES\r\n\r\n40\t2\t1\t2.00000\t0.500000\t0.00000\r\nold form.bmp\r\n+"
        "\r\n\r\n50\t0\t0\t1.00000\t1.00000\t0.250000\t0.125000\r\nnew.bmp\r\n-";
    Crossword doc;
    ASSERT_EQ(loadBytes(doc, file), LoadResult::Loaded);
    ASSERT_EQ(doc.pictures.size(), 2u);
    EXPECT_EQ(doc.pictures[0].path, "old form.bmp");
    EXPECT_EQ(doc.pictures[0].column, 2);
    EXPECT_EQ(doc.pictures[0].relWidth, 2.0f);
    EXPECT_EQ(doc.pictures[0].relAcross, 0.0f);
    EXPECT_EQ(doc.pictures[1].relDown, 0.25f);
    EXPECT_EQ(doc.pictures[1].relAcross, 0.125f);
    ASSERT_EQ(doc.codeFields.size(), 1u);
    EXPECT_EQ(doc.codeFields[0].code, 3);
    // Written back in the new form, with the sizes the file gave.
    const std::string saved = SaveToString(doc);
    EXPECT_NE(saved.find("\r\n40\t2\t1\t2.00000\t0.500000\t0.00000\t0.00000\r\nold form.bmp\r\n+"),
              std::string::npos);
}

TEST_F(KztFile, MissingPictureShowsTheReadErrorAndUsesTheReplacement) {
    fs::copy_file(kExamples + "/heart.bmp", dir_ / "HELP.BMP");
    const std::string file =
        "1 1\nBEGIN 0\n\tBOGSTAV\t\"A\"\t45.0\t0\t0.36\t0\t0\t1\t1\nEND 0\nIMAGES\n\n"
        "9\t0\t0\t1.0\t1.0\t0.0\t0.0\nno-such-picture.bmp\n-";
    LoadOptions options;
    options.startDir = dir_.string();
    Crossword doc;
    ASSERT_EQ(LoadBytes(doc, file, options), LoadResult::Loaded);
    ASSERT_EQ(recorder_.shown.size(), 2u);
    EXPECT_EQ(recorder_.shown[0].caption, "Error - Cannot open");
    EXPECT_EQ(recorder_.shown[1].text,
              "Alloc or readerror in ReadDib\nThe drawing is not read. Error in file or "
              "insuficient memory");
    EXPECT_EQ(recorder_.shown[1].caption, "no-such-picture.bmp");
    ASSERT_EQ(doc.pictures.size(), 1u);
    EXPECT_TRUE(doc.pictures[0].hasBitmap());
    EXPECT_EQ(doc.pictures[0].path, "no-such-picture.bmp");
}

TEST_F(KztFile, EveryTruncationOfTheSampleLoadsWithoutHanging) {
    const std::string sample = readFile(kExamples + "/sample13x10.kzt");
    platform::MessageRecorder quiet;
    platform::ScopedMessageService scoped(quiet);
    // Every cut inside the header and first records, then cuts spread over the rest.
    for (std::size_t n = 0; n < sample.size(); n += n < 600 ? 1 : 53) {
        Crossword doc;
        const LoadResult result = loadBytes(doc, std::string_view(sample).substr(0, n));
        // The header is "13\t10"; "13\t1" is a header too.
        EXPECT_EQ(result, n >= 4 ? LoadResult::Loaded : LoadResult::Refused) << n;
        quiet.shown.clear();
    }
}

TEST_F(KztFile, LoadReportsAFileThatCannotBeOpened) {
    Crossword doc(2, 2);
    const std::string path = (dir_ / "missing.kzt").string();
    EXPECT_EQ(Load(doc, path), LoadResult::Refused);
    EXPECT_EQ(Load(doc, dir_.string()), LoadResult::Refused) << "a folder";
    ASSERT_EQ(recorder_.shown.size(), 2u);
    EXPECT_EQ(recorder_.shown[0].text, path);
    EXPECT_EQ(recorder_.shown[0].caption, "Error - Cannot open");
    EXPECT_EQ(recorder_.shown[0].icon, Icon::Stop);
    EXPECT_EQ(doc.dimensions.width, 2);
}

TEST_F(KztFile, SaveIntoAMissingFolderReportsThatTheFileCannotBeOpened) {
    Crossword doc(3, 3);
    doc.modified = true;
    const std::string target = (dir_ / "no-folder" / "x.kzt").string();
    EXPECT_FALSE(Save(doc, target));
    EXPECT_TRUE(doc.modified);
    EXPECT_TRUE(doc.untitled);
    ASSERT_EQ(recorder_.shown.size(), 1u);
    EXPECT_EQ(recorder_.shown[0].text, "Cannot open the file " + target);
    EXPECT_EQ(recorder_.shown[0].caption, "Error");
    EXPECT_EQ(recorder_.shown[0].icon, Icon::Stop);
}

// A write that fails half way (here: the file-size limit, as a full disk would) must leave
// the old file whole and the document modified.
TEST_F(KztFile, WriteErrorKeepsTheOldFileAndTheModifiedFlag) {
    const fs::path target = dir_ / "old.kzt";
    writeFile(target, "old content");
    Crossword doc(20, 20);
    doc.modified = true;

    struct rlimit old;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = Save(doc, target.string());
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(readFile(target), "old content");
    EXPECT_TRUE(doc.modified);
    ASSERT_EQ(recorder_.shown.size(), 1u);
    EXPECT_EQ(recorder_.shown[0].text, "Cannot write the file " + target.string());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1)
        << "the temporary file is removed";
}

TEST_F(KztFile, SaveReplacesTheFileAndClearsTheFlags) {
    const fs::path target = dir_ / "new.kzt";
    writeFile(target, "old content");
    Crossword doc(2, 2);
    doc.modified = true;
    ASSERT_TRUE(Save(doc, target.string()));
    EXPECT_EQ(readFile(target), SaveToString(doc));
    EXPECT_FALSE(doc.modified);
    EXPECT_FALSE(doc.untitled);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1)
        << "no temporary file left behind";
}

}  // namespace
}  // namespace document
