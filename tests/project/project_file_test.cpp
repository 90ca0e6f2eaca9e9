#include "project/project_file.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <filesystem>
#include <limits>
#include <random>

#include "project/sha256.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

TEST(Sha256Test, KnownDigests) {
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // Two blocks: the length no longer fits behind the data.
    EXPECT_EQ(Sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

// Every diagram, every slot and every setting away from its default, with
// doubles that a careless number format would change.
Workspace FullDocument(const std::string& measurementPath) {
    Workspace ws;
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> value(-1e5, 1e5);
    const double awkward[] = {0.1, -0.0, 1e-310, 1.7976931348623157e308, 1.0 / 3.0, -2.5e-17};
    int n = 0;
    for (Diagram& d : ws.diagrams.diagrams) {
        for (CurveSlot& s : d.slots) {
            s.name = "curve " + std::to_string(++n) + " \"quoted\" \xc3\xa4";
            s.marked = n % 2;
            s.colour = 0x123456u + static_cast<std::uint32_t>(n);
            for (int i = 0; i < 40; ++i) s.points.push_back({value(random), value(random)});
            for (double a : awkward) s.points.push_back({a, -a});
        }
        d.xFrom = value(random), d.xTo = value(random), d.yFrom = 0.1, d.yTo = 1e-300;
        d.stdXFrom = 3, d.stdXTo = 4, d.stdYFrom = 5.5, d.stdYTo = 6.25;
        d.xLog = 1 - d.xLog;
        d.yLog = 1;
    }
    ws.CurrentDiagram = DelayRoomDiagram;
    ws.RoomDepth = 321;
    ws.RoomWidth = 987;
    ws.ProcessingLength = 900;
    ws.Title = "Living room";
    ws.Notes = "line 1\nline 2\ttab";
    ws.Created = "2026-01-02T03:04:05Z";
    ws.Correction = {
        25.5,   18000, 7.25, 11, 4.5, 12, TargetShape::House, -0.3, {{20, 1.5}, {20000, -3.1}},
        1000.0, true};
    ws.Measurements.push_back({measurementPath,
                               Sha256Hex("x"),
                               "text impulse",
                               2,
                               1,
                               96000.0,
                               -1.5,
                               5.0,
                               {"Frequency Response:3", "Group Delay:3"},
                               12.5,
                               {},
                               {}});
    ws.ChosenSet = 5;
    ws.ChosenRate = 2;
    ws.EqDesign = {1799, 48000};
    ws.RoomDesign = {899, 6000};
    return ws;
}

TEST(ProjectFileTest, FullDocumentRoundTripsBitForBit) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.path() / "meas");
    Workspace ws = FullDocument((dir.path() / "meas" / "m.txt").string());
    const std::string file = dir.File("work.qvproj");
    SaveProject(ws, file);
    LoadedProject back = ReadProject(file);

    EXPECT_TRUE(SameDocument(ws, back.ws));
    EXPECT_EQ(back.ws.Created, ws.Created);
    for (std::size_t d = 0; d < ws.diagrams.diagrams.size(); ++d)
        for (std::size_t s = 0; s < 4; ++s) {
            const PointList& a = ws.diagrams.diagrams[d].slots[s].points;
            const PointList& b = back.ws.diagrams.diagrams[d].slots[s].points;
            ASSERT_EQ(a.size(), b.size());
            for (std::size_t i = 0; i < a.size(); ++i) {
                EXPECT_EQ(std::bit_cast<std::uint64_t>(a[i].x),
                          std::bit_cast<std::uint64_t>(b[i].x));
                EXPECT_EQ(std::bit_cast<std::uint64_t>(a[i].y),
                          std::bit_cast<std::uint64_t>(b[i].y));
            }
        }
    // The source is stored relative to the project and comes back absolute.
    EXPECT_NE(test::ReadBytes(file).find("\"path\": \"meas/m.txt\""), std::string::npos);
    EXPECT_EQ(back.ws.Measurements.at(0).path, ws.Measurements.at(0).path);
    // The same document gives the same text again.
    EXPECT_EQ(ProjectText(back.ws, dir.path().string(), "t"),
              ProjectText(ws, dir.path().string(), "t"));
}

TEST(ProjectFileTest, SourceThatMovedOrChangedKeepsTheStoredCurvesAndSaysSo) {
    test::TempDir dir;
    const std::string meas = dir.Write("m.frd", "20 1\n");
    Workspace ws;
    SetSlot(ws[FrequencyResponseDiagram], 3, "m.frd", {{20, 1}});
    ws.Measurements.push_back(
        {meas, *FileSha256(meas), "text response", 0, 0, {}, {}, {}, {}, {}, {}, {}});
    const std::string file = dir.File("p.qvproj");
    SaveProject(ws, file);
    EXPECT_TRUE(ReadProject(file).notes.empty());

    dir.Write("m.frd", "20 2\n");
    auto changed = ReadProject(file);
    ASSERT_EQ(changed.notes.size(), 1u);
    EXPECT_NE(changed.notes[0].find("has changed"), std::string::npos);

    std::filesystem::remove(meas);
    auto moved = ReadProject(file);
    ASSERT_EQ(moved.notes.size(), 1u);
    EXPECT_NE(moved.notes[0].find("m.frd is no longer there"), std::string::npos);
    EXPECT_EQ(moved.ws[FrequencyResponseDiagram].Slot(3).points, (PointList{{20, 1}}));
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

TEST(ProjectFileTest, RefusesBadFilesNamingTheField) {
    Workspace ws;
    SetSlot(ws[ImpulseResponseDiagram], 1, "impuls", {{0, 0.5}, {1, 0.25}});
    MeasurementSource average;
    average.averageMethod = "vector";
    average.inputs.resize(2);
    average.inputs[0].fdwCycles = 8.0;
    ws.Measurements.push_back(average);
    const std::string good = ProjectText(ws, "", "now");
    ASSERT_NO_THROW(ParseProject(good, ""));
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {good.substr(0, good.size() / 2), "ends too early"},
        {"{\"format\": \"quorvane-project\", x}", "not valid JSON at byte"},
        {"[1, 2]", "is not a Quorvane project"},
        {Replace(good, "\"quorvane-project\"", "\"other\""), "is not a Quorvane project"},
        {Replace(good, "\"version\": 1", "\"version\": 2"), "newer program (format version 2"},
        {Replace(good, "\"version\": 1", "\"version\": \"1\""), "version is not a whole number"},
        {Replace(good, "\"room\": {", "\"rooms\": {"), "room is missing"},
        {Replace(good, "\"depth\": 400", "\"depth\": \"400\""), "room.depth is not a whole number"},
        {Replace(good, "\"depth\": 400", "\"depth\": 0"), "room.depth is 0, not in 1 ... 1000"},
        {Replace(good, "[[0.0,0.5]", "[[0.0,1e999]"),
         "number that is not finite (number overflow parsing '1e999')"},
        {Replace(good, "[[0.0,0.5]", "[[0.0,NaN]"), "not valid JSON"},
        {Replace(good, "\"width\": 400", "\"width\": 1e999"), "not finite"},
        {Replace(good, "\"tilt\": 0.0", "\"tilt\": -1e400"), "not finite"},
        {Replace(good, "[[0.0,0.5]", "[[0.0,0.5,1]"), "points[0] is not a pair"},
        {Replace(good, "\"title\": \"Impuls Low\"", "\"title\": \"Impuls Lower\""),
         "\"Impuls Lower\" is no diagram"},
        {Replace(good, "\"title\": \"Impuls Low\"", "\"title\": \"Impuls High\""),
         "\"Impuls High\" comes twice"},
        {Replace(good, "\"marked\": 0", "\"marked\": true"), "marked is not a whole number"},
        {Replace(good, "\"shape\": \"flat\"", "\"shape\": \"round\""),
         "correction.shape is \"round\""},
        {Replace(good, "\"delayCorrection\": false", "\"delayCorrection\": 0"),
         "delayCorrection is not true or false"},
        {Replace(good, "\"points\": 2", "\"points\": 3"),
         "filters.eq.points says 3 but Impuls Response:1 holds 2"},
        {Replace(good, "\"currentDiagram\": \"Frequency Response\"", "\"currentDiagram\": \"X\""),
         "currentDiagram names no diagram"},
        {Replace(good, "\"vector\"", "\"mean\""), "averages[0].method is \"mean\""},
        {Replace(good, "\"fdwCycles\": 8.0", "\"fdwCycles\": 0.5"),
         "averages[0].inputs[0].options.fdwCycles is below 1"},
    };
    for (const auto& c : cases) {
        try {
            ParseProject(c.text, "");
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const ProjectError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
                << e.what() << " / expected: " << c.message;
        }
    }
}

// Files written before the processing rate left the document carry it; it is
// accepted whatever it holds, and not written again.
TEST(ProjectFileTest, AProcessingRateOfEarlierFilesIsIgnored) {
    Workspace ws;
    ws.ProcessingLength = 900;
    const std::string text = ProjectText(ws, "", "now");
    for (const char* rate : {"44100.0", "\"none\""}) {
        const std::string old = Replace(text, "\"length\": 900",
                                        std::string("\"length\": 900, \"sampleRate\": ") + rate);
        const LoadedProject back = ParseProject(old, "");
        EXPECT_EQ(back.ws.ProcessingLength, 900);
        EXPECT_EQ(ProjectText(back.ws, "", "now"), text) << rate;
    }
}

TEST(ProjectFileTest, AnAverageKeepsItsFilesAndOldFilesStillRead) {
    test::TempDir dir;
    test::TempDir elsewhere;
    const std::string near = dir.Write("seat1.wav", "one"), far = elsewhere.Write("seat2.txt", "2");
    Workspace ws;
    MeasurementSource average;
    average.averageMethod = "vector";
    for (const std::string& path : {near, far}) {
        MeasurementSource in;
        in.path = path;
        in.sha256 = *FileSha256(path);
        in.kind = "audio impulse";
        in.fdwCycles = 8.0;
        average.inputs.push_back(in);
    }
    average.curves = {"Frequency Response:3", "Group Delay:3"};
    ws.Measurements.push_back(average);
    const std::string file = dir.File("p.qvproj");
    SaveProject(ws, file);
    const LoadedProject back = ReadProject(file);
    EXPECT_EQ(back.ws.Measurements, ws.Measurements);
    EXPECT_TRUE(back.notes.empty());
    const std::string text = test::ReadBytes(file);
    EXPECT_NE(text.find("\"path\": \"seat1.wav\""), std::string::npos);  // beside the project
    // Outside the project's folder: relative still, through "..".
    EXPECT_NE(text.find("\"path\": \"../"), std::string::npos);

    // A file of one average input gone: said, and the stored curves stay the work.
    std::filesystem::remove(far);
    const LoadedProject moved = ReadProject(file);
    ASSERT_EQ(moved.notes.size(), 1u);
    EXPECT_NE(moved.notes[0].find("seat2.txt is no longer there"), std::string::npos);

    // Written before averages and the window were recorded: no average, no window.
    Workspace one;
    one.Measurements.push_back({near, "", "audio impulse", 0, 0, {}, {}, {}, {}, 15.0, {}, {}});
    std::string old = Replace(ProjectText(one, "", "t"), ",\n        \"fdwCycles\": 15.0", "");
    old = Replace(old, "\"averages\": [],\n  ", "");
    const LoadedProject before = ParseProject(old, "");
    ASSERT_EQ(before.ws.Measurements.size(), 1u);
    EXPECT_EQ(before.ws.Measurements[0].fdwCycles, std::nullopt);
}

TEST(ProjectFileTest, FailedSaveLeavesTheOldFileWhole) {
    test::TempDir dir;
    const std::string file = dir.Write("p.qvproj", "old contents");
    std::filesystem::create_directories(file + ".saving");  // the temporary cannot be made
    Workspace ws;
    EXPECT_THROW(SaveProject(ws, file), std::runtime_error);
    EXPECT_EQ(test::ReadBytes(file), "old contents");
    EXPECT_TRUE(ws.Created.empty());
}

TEST(ProjectFileTest, CurveReferences) {
    EXPECT_EQ(CurveRef(FrequencyResponseDiagram, 3), "Frequency Response:3");
    EXPECT_EQ(ParseCurveRef("Frequency Response:3"), (std::pair{FrequencyResponseDiagram, 3}));
    for (const char* bad :
         {"Frequency Response", "Frequency Response:5", "Nope:1", ":1", "Frequency Response:12"})
        EXPECT_FALSE(ParseCurveRef(bad)) << bad;
}

}  // namespace
}  // namespace qv
