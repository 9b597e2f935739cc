#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "diagram/rendering.h"
#include "document/document_format.h"
#include "export/atomic_file.h"
#include "export/dxf_export.h"
#include "export/export_command.h"
#include "export/obj_export.h"
#include "export/png_image.h"
#include "export/svg_export.h"
#include "export/view_picture.h"
#include "support/test_program.h"
#include "view3d/model.h"
#include "view3d/navigation.h"

namespace tova {
namespace {

using testing::ReadAll;
using testing::StartedProgram;
using testing::TempWorkingFolder;

const std::string kSample = ReadAll(std::filesystem::path(TOVA_SOURCE_DIR) / "samples/Tova.ini");

Tables Sample() {
  std::optional<Tables> t = ParseDocument(kSample);
  EXPECT_TRUE(t.has_value());
  return t.value_or(Tables{});
}

// The sample with one line of each kind and an arc of each sort added: a thick front-view line,
// a dotted side-view line, an arc across 0 degrees in the side view, an arc whose ends meet in
// the top view, and a circle of radius 0, which shows nothing.
Tables Varied() {
  Tables t = Sample();
  t.lineTable[200] = {20, 20, 80, 60, kThickLine, kRowLive};
  t.lineTable[201] = {300, 30, 400, 30, kDottedLine, kRowLive};
  t.circleTable[10] = {330, 100, 20, 300, 60, kSolidLine, kRowLive};
  t.circleTable[11] = {100, 330, 10, 90, 90, kDottedLine, kRowLive};
  t.circleTable[12] = {100, 100, 0, 0, 359, kSolidLine, kRowLive};
  return t;
}

// --- SVG -------------------------------------------------------------------------------------

std::string GroupOf(const std::string& svg, const std::string& id) {
  const std::size_t start = svg.find("<g id=\"" + id + "\"");
  if (start == std::string::npos) return {};
  return svg.substr(start, svg.find("</g>", start) - start);
}

TEST(SvgExport, EachFigureLandsAtItsCanvasPlaceInItsViewWithItsPen) {
  const std::string svg = FormatSvg(Varied());
  EXPECT_NE(svg.find(R"(viewBox="0 0 445 429")"), std::string::npos);
  // The sample's first line unit: its front-view segment and its top-view segment.
  EXPECT_NE(GroupOf(svg, "front").find(R"(<line x1="175" y1="195" x2="55" y2="195"/>)"), std::string::npos);
  EXPECT_NE(GroupOf(svg, "top").find(R"(<line x1="175" y1="245" x2="55" y2="245"/>)"), std::string::npos);
  EXPECT_NE(GroupOf(svg, "dividers").find(R"(<line x1="0" y1="216" x2="456" y2="216"/>)"), std::string::npos);
  EXPECT_NE(GroupOf(svg, "front").find(R"(<line x1="20" y1="20" x2="80" y2="60" stroke-width="2"/>)"),
            std::string::npos);
  EXPECT_NE(GroupOf(svg, "side").find(
                R"(<line x1="300" y1="30" x2="400" y2="30" stroke-dasharray="3 3" stroke-linecap="butt"/>)"),
            std::string::npos);
  // 300 to 60 degrees counter-clockwise: from below right to above right, a third of a turn.
  EXPECT_NE(GroupOf(svg, "side").find(R"(<path d="M 340 117.321 A 20 20 0 0 0 340 82.679"/>)"),
            std::string::npos);
  // Ends that meet: one dot, drawn as a line of no length.
  EXPECT_NE(GroupOf(svg, "top").find(R"(d="M 100 320 L 100 320")"), std::string::npos);
  EXPECT_EQ(svg.find(R"(r="0")"), std::string::npos);
  EXPECT_NE(GroupOf(svg, "top").find(R"(<circle cx="115" cy="295" r="30"/>)"), std::string::npos);
}

TEST(SvgExport, LongArcsTakeTheLargeSweepAndAnEmptyDrawingStillShowsTheViews) {
  Tables t;
  t.circleTable[0] = {100, 100, 10, 10, 9, kSolidLine, kRowLive};
  EXPECT_NE(FormatSvg(t).find(" A 10 10 0 1 0 "), std::string::npos);
  const std::string empty = FormatSvg(Tables{});
  EXPECT_NE(empty.find("id=\"dividers\""), std::string::npos);
  EXPECT_EQ(empty.find("id=\"front\""), std::string::npos);
}

// --- DXF -------------------------------------------------------------------------------------

// A DXF file as its entities, each a list of (group code, value) pairs, with the entity type
// under code 0.
struct Dxf {
  std::vector<std::pair<int, std::string>> pairs;
  std::vector<std::multimap<int, std::string>> entities;
};

Dxf ReadDxf(const std::string& text) {
  Dxf dxf;
  std::istringstream in(text);
  std::string code, value;
  while (std::getline(in, code) && std::getline(in, value)) dxf.pairs.emplace_back(std::stoi(code), value);
  bool inEntities = false;
  for (std::size_t i = 0; i < dxf.pairs.size(); ++i) {
    const auto& [c, v] = dxf.pairs[i];
    if (c == 2 && i > 0 && dxf.pairs[i - 1].second == "SECTION") inEntities = v == "ENTITIES";
    if (!inEntities) continue;
    if (c == 0 && v != "ENDSEC") dxf.entities.emplace_back();
    if (c == 0 && v == "ENDSEC") inEntities = false;
    if (!dxf.entities.empty() && inEntities) dxf.entities.back().emplace(c, v);
  }
  return dxf;
}

std::string Get(const std::multimap<int, std::string>& e, int code) {
  const auto it = e.find(code);
  return it == e.end() ? "" : it->second;
}

TEST(DxfExport, EntitiesLieOnTheirViewsLayersWithYUpAndTheirLineKinds) {
  const Tables t = Varied();
  const Dxf dxf = ReadDxf(FormatDxf(t));
  ASSERT_FALSE(dxf.pairs.empty());
  EXPECT_EQ(dxf.pairs.back(), std::make_pair(0, std::string("EOF")));
  std::size_t lines = 0;
  for (const LineRecord& m : t.lineTable) lines += m.state == kRowLive;
  EXPECT_EQ(dxf.entities.size(), lines + 4);  // the circle of radius 0 is left out

  const auto& first = dxf.entities[0];  // the sample's first line
  EXPECT_EQ(Get(first, 0), "LINE");
  EXPECT_EQ(Get(first, 8), "FRONT");
  EXPECT_EQ(std::vector<std::string>({Get(first, 10), Get(first, 20), Get(first, 11), Get(first, 21)}),
            std::vector<std::string>({"175", "-195", "55", "-195"}));
  EXPECT_EQ(Get(first, 370), "25");

  const auto find = [&](const std::string& type, const std::string& x) {
    for (const auto& e : dxf.entities) {
      if (Get(e, 0) == type && Get(e, 10) == x) return e;
    }
    ADD_FAILURE() << type << " at x " << x;
    return std::multimap<int, std::string>{};
  };
  EXPECT_EQ(Get(find("LINE", "20"), 370), "50");
  EXPECT_EQ(Get(find("LINE", "300"), 6), "DOTTED");
  EXPECT_EQ(Get(find("LINE", "300"), 8), "SIDE");
  const auto arc = find("ARC", "330");
  EXPECT_EQ(std::vector<std::string>({Get(arc, 20), Get(arc, 40), Get(arc, 50), Get(arc, 51)}),
            std::vector<std::string>({"-100", "20", "300", "60"}));
  const auto dot = find("LINE", "100");  // the arc whose ends meet, at 90 degrees
  EXPECT_EQ(std::vector<std::string>({Get(dot, 20), Get(dot, 11), Get(dot, 21), Get(dot, 8)}),
            std::vector<std::string>({"-320", "100", "-320", "TOP"}));
  EXPECT_EQ(Get(find("CIRCLE", "115"), 20), "-295");
}

TEST(DxfExport, HandlesAreUniqueAndBelowTheHandleSeed) {
  const Dxf dxf = ReadDxf(FormatDxf(Varied()));
  std::set<unsigned long> handles;
  unsigned long seed = 0;
  for (std::size_t i = 0; i < dxf.pairs.size(); ++i) {
    const auto& [c, v] = dxf.pairs[i];
    if (c == 5 && i > 0 && dxf.pairs[i - 1].second == "$HANDSEED") {
      seed = std::stoul(v, nullptr, 16);
    } else if (c == 5 || c == 105) {
      EXPECT_TRUE(handles.insert(std::stoul(v, nullptr, 16)).second) << v;
    }
  }
  ASSERT_FALSE(handles.empty());
  EXPECT_GT(seed, *handles.rbegin());
}

// --- OBJ -------------------------------------------------------------------------------------

struct Obj {
  std::vector<ModelPoint> vertices;
  std::vector<std::vector<int>> lines;
  std::vector<std::string> groups;
};

Obj ReadObj(const std::string& text) {
  Obj obj;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string kind;
    words >> kind;
    if (kind == "v") {
      int x, y, z;
      words >> x >> y >> z;
      obj.vertices.push_back({static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<int16_t>(z)});
    } else if (kind == "l") {
      obj.lines.emplace_back();
      for (int v; words >> v;) obj.lines.back().push_back(v);
    } else if (kind == "g") {
      words >> kind;
      obj.groups.push_back(kind);
    }
  }
  return obj;
}

TEST(ObjExport, ALineUnitsVerticesAreTheModelPointsOfThe3DView) {
  const Tables t = Sample();
  const Obj obj = ReadObj(FormatObj(t));
  std::vector<std::pair<ModelPoint, ModelPoint>> edges;
  LineUnitEdges(t, 0, [&](ModelPoint a, ModelPoint b) { edges.emplace_back(a, b); });
  ASSERT_EQ(edges.size(), 1u);
  EXPECT_EQ(edges[0].first, (ModelPoint{40, 30, 20}));
  EXPECT_EQ(edges[0].second, (ModelPoint{160, 30, 20}));
  ASSERT_FALSE(obj.lines.empty());
  ASSERT_EQ(obj.lines[0].size(), 2u);
  EXPECT_EQ(obj.vertices.at(obj.lines[0][0] - 1), edges[0].first);
  EXPECT_EQ(obj.vertices.at(obj.lines[0][1] - 1), edges[0].second);
  EXPECT_EQ(obj.groups.front(), "unit0");
}

TEST(ObjExport, EveryEdgeOfThe3DViewIsALineElementAndVerticesAreShared) {
  const Tables t = Sample();
  const Obj obj = ReadObj(FormatObj(t));
  std::multiset<std::pair<std::tuple<int, int, int>, std::tuple<int, int, int>>> viewEdges, objEdges;
  const auto key = [](ModelPoint p) { return std::tuple<int, int, int>(p.x, p.y, p.z); };
  ModelEdges(t, [&](ModelPoint a, ModelPoint b) {
    if (!(a == b)) viewEdges.emplace(key(a), key(b));
  });
  for (const std::vector<int>& line : obj.lines) {
    ASSERT_GE(line.size(), 2u);
    for (std::size_t i = 1; i < line.size(); ++i) {
      ASSERT_TRUE(line[i - 1] >= 1 && line[i] >= 1 && std::size_t(std::max(line[i - 1], line[i])) <= obj.vertices.size());
      objEdges.emplace(key(obj.vertices[line[i - 1] - 1]), key(obj.vertices[line[i] - 1]));
    }
  }
  EXPECT_EQ(objEdges, viewEdges);
  std::set<std::tuple<int, int, int>> distinct;
  for (ModelPoint p : obj.vertices) distinct.insert(key(p));
  EXPECT_EQ(distinct.size(), obj.vertices.size());
  // The block's 12 edges meet at 8 corners; the cylinder's two circles are one polyline each.
  EXPECT_EQ(std::count_if(obj.lines.begin(), obj.lines.end(), [](const auto& l) { return l.size() == 25; }), 2);
}

TEST(ObjExport, DamagedReferencesAndEmptyDrawingsGiveNoElements) {
  Tables t;
  t.unitTable[0] = {1000, 1400, 1002, kRowLive};  // a line row far outside its table
  t.unitTable[1] = {2500, 1000, 1001, kRowLive};
  const Obj obj = ReadObj(FormatObj(t));
  EXPECT_TRUE(obj.vertices.empty());
  EXPECT_TRUE(obj.lines.empty());
}

// --- PNG -------------------------------------------------------------------------------------

std::optional<Image> DecodePng(const std::string& bytes) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) return std::nullopt;
  png.format = PNG_FORMAT_RGB;
  std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(png));
  if (!png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr)) return std::nullopt;
  Image image{static_cast<int>(png.width), static_cast<int>(png.height), {}};
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
    image.pixels.push_back(0xFF000000u | rgb[i] << 16 | rgb[i + 1] << 8 | rgb[i + 2]);
  }
  return image;
}

TEST(PngExport, ThePictureIsThe3DViewThatMake3DOpensAndReadsBackPixelForPixel) {
  StartedProgram s;
  s.program.tables = Sample();
  C9_Click(s.program);  // "MAKE-3D"
  const Image view = s.program.D.Snapshot();
  const Image picture = RenderViewPicture(Sample(), ViewOptions{});
  EXPECT_EQ(picture, view);
  const std::optional<std::string> png = EncodePng(picture);
  ASSERT_TRUE(png.has_value());
  EXPECT_EQ(DecodePng(*png), picture);

  // A step of the view, and the same angles given as options.
  StepView(s.program, 2);
  ViewOptions turned;
  turned.tilt = s.program.view.viewTilt;
  turned.turn = s.program.view.viewTurn;
  EXPECT_NE(turned.tilt, 45);
  EXPECT_EQ(RenderViewPicture(Sample(), turned), s.program.D.Snapshot());
}

TEST(PngExport, ALineUnitSeenFaceOnLandsOnItsFrontViewPixels) {
  TempWorkingFolder folder;
  Tables t;
  t.lineTable[0] = {175, 195, 55, 195, 0, kRowLive};  // front view
  t.lineTable[1] = {175, 245, 55, 245, 0, kRowLive};  // top view
  t.lineTable[2] = {245, 195, 245, 195, 0, kRowLive};  // side view
  t.unitTable[0] = {LineRef(0), LineRef(1), LineRef(2), kRowLive};
  folder.Write("unit.KRT", FormatDocument(t));
  ASSERT_EQ(RunExport({"--tilt=0", "--turn=0", "--size=10", "--centre=0", "--pen=#ff0000", "unit.KRT", "u.png"},
                      std::cout, std::cerr),
            0);
  const std::optional<Image> png = DecodePng(ReadAll("u.png"));
  ASSERT_TRUE(png.has_value());
  for (int y = 0; y < png->height; ++y) {
    for (int x = 0; x < png->width; ++x) {
      const bool onLine = y == 195 && x >= 55 && x <= 175;
      ASSERT_EQ(png->pixels[static_cast<std::size_t>(y * png->width + x)], onLine ? 0xFFFF0000u : 0xFF808080u)
          << x << "," << y;
    }
  }
}

// --- The command -----------------------------------------------------------------------------

struct Outcome {
  int status;
  std::string out, err;
};

Outcome Export(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const int status = RunExport(arguments, out, err);
  return {status, out.str(), err.str()};
}

TEST(ExportCommand, WritesEachFormatAndTakesPictureOptionsEitherWay) {
  TempWorkingFolder folder;
  folder.Write("block.KRT", kSample);
  for (const char* name : {"b.svg", "b.DXF", "b.obj", "b.png"}) {
    const Outcome run = Export({"block.KRT", name});
    EXPECT_EQ(run.status, 0) << name << run.err;
    EXPECT_TRUE(run.err.empty());
  }
  EXPECT_EQ(ReadAll("b.svg"), FormatSvg(Sample()));
  EXPECT_EQ(ReadAll("b.DXF"), FormatDxf(Sample()));
  EXPECT_EQ(ReadAll("b.obj"), FormatObj(Sample()));
  EXPECT_EQ(DecodePng(ReadAll("b.png")), RenderViewPicture(Sample(), ViewOptions{}));

  ASSERT_EQ(Export({"--tilt=30", "--turn", "-20", "--size", "20", "--centre=50", "--pen", "12",
                    "--background", "#102030", "block.KRT", "c.png"}).status, 0);
  ViewOptions options{30, -20, 20, 50, 0xFF0000, 0x102030};
  EXPECT_EQ(DecodePng(ReadAll("c.png")), RenderViewPicture(Sample(), options));
  const Outcome help = Export({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out, kExportUsage);
}

TEST(ExportCommand, BadInputIsOneLineNamingTheFileAndNothingIsWritten) {
  TempWorkingFolder folder;
  folder.Write("block.KRT", kSample);
  // A document the program refuses: a line row in use after a never-used one.
  folder.Write("damaged.KRT", "1,0,0,0\r\n0,0,0,0,0,0\r\n1,2,3,4,0,1\r\n");
  folder.Write("keep.svg", "mine");
  std::filesystem::create_directory("folder.KRT");
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } kCases[] = {
      {{"missing.KRT", "keep.svg"}, "tova-export: missing.KRT: no such file\n"},
      {{"folder.KRT", "keep.svg"}, "tova-export: folder.KRT: not a regular file\n"},
      {{"damaged.KRT", "keep.svg"}, "tova-export: damaged.KRT: not a Tova drawing, or a damaged one\n"},
      {{"block.KRT", "out.txt"},
       "tova-export: out.txt: unknown format (the name must end in .svg, .dxf, .png or .obj)\n"},
      {{"block.KRT", "out"}, "tova-export: out: unknown format (the name must end in .svg, .dxf, .png or .obj)\n"},
      {{"--tilt", "9", "block.KRT", "keep.svg"}, "tova-export: keep.svg: --tilt applies only to a .png picture\n"},
      {{"--size", "51", "block.KRT", "o.png"}, "tova-export: --size wants a whole number from 1 to 50, not '51'\n"},
      {{"--turn", "40000", "block.KRT", "o.png"}, "tova-export: --turn wants a whole number of degrees, not '40000'\n"},
      {{"--pen", "#12345", "block.KRT", "o.png"},
       "tova-export: --pen wants #RRGGBB or a colour number from 0 to 15, not '#12345'\n"},
      {{"--pen", "16", "block.KRT", "o.png"},
       "tova-export: --pen wants #RRGGBB or a colour number from 0 to 15, not '16'\n"},
      {{"block.KRT", "o.png", "--centre"}, "tova-export: --centre wants a value\n"},
      {{"--scale=2", "block.KRT", "o.png"}, "tova-export: unknown option '--scale=2' (see tova-export --help)\n"},
      {{"block.KRT"}, "tova-export: wants a drawing and an output file (see tova-export --help)\n"},
      {{"block.KRT", "missing-folder/o.svg"},
       "tova-export: missing-folder/o.svg: cannot be written (No such file or directory)\n"},
  };
  for (const auto& c : kCases) {
    const Outcome run = Export(c.arguments);
    EXPECT_EQ(run.status, 1) << c.message;
    EXPECT_EQ(run.err, c.message);
  }
  EXPECT_EQ(ReadAll("keep.svg"), "mine");
  EXPECT_FALSE(std::filesystem::exists("o.png"));
  EXPECT_FALSE(std::filesystem::exists("out.txt"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 4);  // no temporary files left

  // A drawing named like an output is not overwritten by its own export.
  folder.Write("drawing.svg", kSample);
  EXPECT_EQ(Export({"drawing.svg", "./drawing.svg"}).err,
            "tova-export: ./drawing.svg: is the drawing itself; choose another output name\n");
  EXPECT_EQ(ReadAll("drawing.svg"), kSample);
  // A file name starting with a dash, after "--".
  folder.Write("-odd.KRT", kSample);
  EXPECT_EQ(Export({"--", "-odd.KRT", "-odd.obj"}).status, 0);
}

TEST(AtomicFile, ReplacesAWholeFileAndLeavesNoTemporaryBehind) {
  TempWorkingFolder folder;
  folder.Write("a.txt", "old");
  EXPECT_EQ(WriteFileAtomically("a.txt", "new text"), "");
  EXPECT_EQ(ReadAll("a.txt"), "new text");
  EXPECT_NE(WriteFileAtomically("a.txt/b", "x"), "");
  EXPECT_EQ(ReadAll("a.txt"), "new text");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
}

}  // namespace
}  // namespace tova
