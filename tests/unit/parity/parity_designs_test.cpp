// The parity windows as drawn: client area, a few controls' twips, the tab order and
// the label that carries the messages. A slip in a design table shows here.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/unit/harness.h"

namespace ej::testing {
namespace {

struct Drawn {
    const char* window;
    int width, height;
    std::vector<std::pair<const char*, Twips>> controls;
    const char* tabOrder;      // the focusable controls, first to last
    const char* messageLabel;  // where a refusal is written
};

const Drawn kDrawn[] = {
    {"frmej19", 5340, 4365,
     {{"lblej1904", {240, 2520, 1455, 375}}, {"txtej1901", {2040, 1200, 975, 405}},
      {"cmdej1902", {3600, 3720, 1455, 495}}},
     "txtej1901 txtej1902 txtej1903 cmdej1901 cmdej1902",
     "lblej1905"},
    {"frmej20", 6030, 4890,
     {{"lblej2005", {240, 3240, 5535, 495}}, {"txtej2003", {2040, 2400, 3255, 375}},
      {"cmdej2001", {240, 4080, 1575, 615}}},
     "txtej2001 txtej2002 txtej2003 cmdej2001 cmdej2002",
     "lblej2005"},
    {"frmej21", 7080, 5145,
     {{"lblej2107", {-360, 4080, 6495, 255}}, {"txtej2105", {2160, 3480, 4215, 375}},
      {"cmdej2102", {5160, 4560, 1575, 495}}},
     "txtej2101 txtej2102 cmdej2101 cmdej2102 txtej2103 txtej2104 txtej2105",
     "lblej2107"},
    {"frmej22", 5535, 4485,
     {{"lblej2201", {240, 120, 5055, 615}}, {"txtej2201", {1920, 1080, 1455, 285}},
      {"cmdej2202", {3960, 3960, 1335, 375}}},
     "txtej2201 txtej2202 cmdej2201 cmdej2202 txtej2203 txtej2204",
     "lblej2206"},
    {"frmej23", 5280, 4500,
     {{"lblej2306", {240, 3360, 4695, 255}}, {"txtej2304", {1800, 2760, 3015, 405}},
      {"cmdej2301", {240, 3840, 1335, 495}}},
     "txtej2301 txtej2302 txtej2303 txtej2304 cmdej2301 cmdej2302",
     "lblej2306"},
    {"frmej24", 5415, 5940,
     {{"lblej2408", {240, 4080, 1335, 495}}, {"txtej2406", {1920, 3480, 3015, 405}},
      {"cmdej2402", {3720, 5280, 1455, 495}}},
     "txtej2401 txtej2402 cmdej2401 cmdej2402 txtej2403 txtej2404 txtej2405 txtej2406 txtej2407",
     "lblej2409"},
    {"frmej25", 5340, 3900,
     {{"lblej2504", {240, 2280, 1215, 255}}, {"txtej2501", {1800, 1080, 1335, 285}},
      {"cmdej2502", {3720, 3240, 1335, 495}}},
     "txtej2501 txtej2502 cmdej2501 cmdej2502 txtej2503",
     "lblej2505"},
    {"frmej26", 5295, 4020,
     {{"lblej2605", {240, 2880, 4815, 255}}, {"txtej2603", {1920, 2160, 2895, 405}},
      {"cmdej2601", {240, 3360, 1335, 495}}},
     "txtej2601 txtej2602 cmdej2601 cmdej2602 txtej2603",
     "lblej2605"},
    {"frmej27", 5415, 4740,
     {{"lblej2701", {240, 120, 4935, 855}}, {"txtej2705", {2040, 3120, 3015, 285}},
      {"cmdej2701", {240, 4080, 1575, 495}}},
     "txtej2701 txtej2702 cmdej2701 cmdej2702 txtej2703 txtej2704 txtej2705",
     "lblej2707"},
    {"frmej28", 5460, 4350,
     {{"lblej2807", {240, 3360, 4935, 255}}, {"txtej2802", {1920, 1440, 3135, 285}},
      {"cmdej2801", {240, 3840, 1455, 375}}},
     "txtej2801 txtej2802 cmdej2801 cmdej2802 txtej2803 txtej2804 txtej2805",
     "lblej2807"},
    {"frmej29", 5460, 4485,
     {{"lblej2906", {240, 2880, 1335, 255}}, {"txtej2901", {1920, 960, 1455, 285}},
      {"cmdej2902", {3840, 3840, 1335, 495}}},
     "txtej2901 txtej2902 txtej2903 txtej2904 txtej2905 cmdej2901 cmdej2902",
     "lblej2907"},
    {"frmej30", 5430, 4485,
     {{"lblej3001", {240, 120, 4935, 615}}, {"txtej3005", {1920, 2880, 3015, 285}},
      {"cmdej3002", {3840, 3840, 1335, 495}}},
     "txtej3001 txtej3002 cmdej3002 cmdej3001 txtej3005 txtej3004 txtej3003",
     "lblej3007"},
    {"frmej31", 5445, 4380,
     {{"lblej3101", {240, 0, 4935, 615}}, {"txtej3104", {1920, 2280, 3015, 285}},
      {"cmdej3101", {240, 3720, 1335, 495}}},
     "txtej3101 txtej3102 txtej3103 txtej3104 txtej3105 cmdej3101 cmdej3102",
     "lblej3107"},
    {"frmej32", 5445, 5340,
     {{"lblej3209", {240, 4200, 4935, 255}}, {"txtej3207", {1920, 3720, 3015, 285}},
      {"cmdej3202", {3840, 4680, 1335, 495}}},
     "txtej3201 txtej3202 cmdej3202 cmdej3201 txtej3206 txtej3205 txtej3203 txtej3204 txtej3207",
     "lblej3209"},
    {"frmej33", 5430, 5310,
     {{"lblej3308", {240, 3720, 1335, 255}}, {"txtej3301", {1920, 840, 1455, 285}},
      {"cmdej3301", {240, 4680, 1335, 495}}},
     "txtej3301 txtej3302 txtej3307 txtej3304 txtej3303 txtej3305 txtej3306 cmdej3301 cmdej3302",
     "lblej3309"},
    {"frmej34", 5415, 5340,
     {{"lblej3408", {240, 3720, 1455, 255}}, {"txtej3403", {1920, 1800, 3015, 285}},
      {"cmdej3402", {3840, 4680, 1335, 495}}},
     "txtej3401 txtej3402 cmdej3402 cmdej3401 txtej3406 txtej3405 txtej3403 txtej3404 txtej3407",
     "lblej3409"},
    {"frmej35", 5415, 5340,
     {{"lblej303", {240, 1320, 1335, 255}}, {"txtej3507", {1920, 3720, 3015, 285}},
      {"cmdej3501", {240, 4680, 1335, 495}}},
     "txtej3501 txtej3502 txtej3507 txtej3504 txtej3503 txtej3505 txtej3506 cmdej3501 cmdej3502",
     "lblej3509"},
};

std::string tabOrderOf(const WindowDesign& d) {
    std::ostringstream names;
    for (const ControlDesign* c : d.tabOrder()) names << (names.tellp() > 0 ? " " : "") << c->name;
    return names.str();
}

TEST(ParityDesigns, SizesPositionsAndTabOrderAreAsDrawn) {
    for (const Drawn& row : kDrawn) {
        Opened w(row.window);
        const WindowDesign& d = w.window().design();
        EXPECT_EQ(d.width, row.width) << row.window;
        EXPECT_EQ(d.height, row.height) << row.window;
        for (const auto& [name, at] : row.controls) {
            ASSERT_NE(d.find(name), nullptr) << row.window << " " << name;
            EXPECT_EQ(d.find(name)->at, at) << row.window << " " << name;
        }
        EXPECT_EQ(tabOrderOf(d), row.tabOrder) << row.window;
        const std::string nn = std::string(row.window).substr(5);
        EXPECT_EQ(d.defaultButton, "cmdej" + nn + "01") << row.window;
        EXPECT_EQ(d.caption, nn == "20" ? "Eejercicio 20" : "Ejercicio " + nn) << row.window;
    }
}

TEST(ParityDesigns, RefusalsGoToTheMessageLabel) {
    for (const Drawn& row : kDrawn) {
        Opened w(row.window);
        w.enter("x");
        EXPECT_EQ(w.text(row.messageLabel), "El valor x no es numérico") << row.window;
    }
}

TEST(ParityDesigns, OnlyTheTwoNegativeAverageCaptionsAreLeftAligned) {
    std::vector<std::string> left;
    for (const Drawn& row : kDrawn) {
        const Opened w(row.window);
        for (const auto& c : w.window().design().controls)
            if (c.align == Align::Left) left.push_back(c.name);
    }
    EXPECT_EQ(left, (std::vector<std::string>{"lblej3408", "lblej3508"}));
}

TEST(ParityDesigns, CaptionsKeepTheirOddities) {
    EXPECT_EQ(Opened("frmej20").text("lblej2004"), "La Suma de los Nº Impares");  // U+00BA
    EXPECT_EQ(Opened("frmej19").text("lblej1904"), "La Suma de los N° Pares");    // U+00B0
    EXPECT_EQ(Opened("frmej35").text("lblej303"), "Cantidad Impar");
    EXPECT_EQ(Opened("frmej35").window().design().find("lblej3503"), nullptr);
}

}  // namespace
}  // namespace ej::testing
