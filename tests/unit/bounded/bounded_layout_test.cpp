// The designs of windows 36 to 50 as drawn: client size, some controls' twips, the
// message label, and a tab order that reaches only the input box and the two buttons.
#include <gtest/gtest.h>

#include "shell/catalog.h"

namespace ej {
namespace {

struct Pinned {
    std::string control;
    Twips at;
};

struct Row {
    std::string window;
    int width, height;
    bool exitFirst;  // Tab goes from the input box to "SALIR"
    std::string messageLabel;
    std::vector<Pinned> pinned;
};

const Row kRows[] = {
    {"frmej36", 5385, 4785, false, "lblej3606",
     {{"lblej3601", {240, 120, 4815, 855}}, {"txtej3601", {1920, 1320, 1575, 285}},
      {"lblej3605", {240, 3120, 1335, 255}}, {"txtej3604", {1920, 3000, 3015, 405}},
      {"cmdej3601", {240, 4080, 1335, 495}}, {"cmdej3602", {3840, 4080, 1215, 495}}}},
    {"frmej37", 5340, 3990, true, "lblej3705",
     {{"txtej3703", {3600, 1680, 1455, 405}}, {"txtej3704", {1920, 2280, 1335, 405}},
      {"lblej3704", {240, 2400, 1335, 255}}, {"lblej3705", {240, 2880, 4815, 255}}}},
    {"frmej38", 5310, 4020, false, "lblej3805",
     {{"lblej3803", {240, 1800, 1335, 255}}, {"lblej3804", {240, 2400, 1455, 255}},
      {"txtej3803", {1920, 2280, 3015, 405}}}},
    {"frmej39", 5310, 5235, true, "lblej3906",
     {{"lblej3901", {240, 0, 4815, 1575}}, {"lblej3902", {240, 1800, 1455, 255}},
      {"lblej3903", {240, 2280, 1455, 255}}, {"lblej3904", {240, 2760, 1455, 375}},
      {"lblej3905", {240, 3360, 1455, 495}}, {"txtej3905", {3720, 2760, 1455, 405}},
      {"txtej3906", {2040, 3360, 1455, 405}}, {"cmdej3902", {3840, 4560, 1215, 495}}}},
    {"frmej40", 5370, 4710, false, "lblej4006",
     {{"lblej4003", {240, 2160, 1935, 255}}, {"txtej4004", {4440, 2040, 735, 345}},
      {"txtej4006", {3960, 2520, 1215, 405}}, {"txtej4007", {2520, 3000, 1215, 405}}}},
    {"frmej41", 5340, 4035, true, "lblej4105",
     {{"lblej4102", {240, 1080, 1575, 255}}, {"txtej4103", {2160, 2160, 2535, 465}},
      {"lblej4105", {240, 2880, 4815, 255}}}},
    {"frmej42", 5355, 4800, false, "lblej4207",
     {{"lblej4201", {240, 0, 4815, 975}}, {"lblej4206", {240, 3120, 1575, 255}},
      {"txtej4205", {2160, 3000, 2535, 405}}, {"lblej4207", {240, 3600, 4815, 255}},
      {"cmdej4201", {240, 4080, 1335, 495}}}},
    {"frmej43", 5310, 4275, true, "lblej4306",
     {{"txtej4304", {2160, 2520, 2535, 405}}, {"lblej4306", {240, 3120, 4815, 255}},
      {"cmdej4302", {3840, 3600, 1215, 495}}}},
    {"frmej44", 5310, 3840, false, "lblej4405",
     {{"lblej4404", {240, 2160, 1575, 255}}, {"lblej4405", {240, 2640, 4815, 255}},
      {"cmdej4401", {240, 3120, 1335, 495}}}},
    {"frmej45", 5310, 5610, true, "lblej4507", {{"txtej4505", {2160, 3000, 2535, 405}}}},
    {"frmej46", 5295, 4755, true, "lblej4607", {{"lblej4606", {240, 3120, 1575, 255}}}},
    {"frmej47", 5340, 4755, false, "lblej4707", {{"cmdej4702", {3840, 4080, 1215, 495}}}},
    {"frmej48", 5355, 4770, true, "lblej4807", {{"txtej4802", {2160, 1560, 2535, 405}}}},
    {"frmej49", 5295, 5730, false, "lblej4909", {{"lblej4908", {240, 4080, 1575, 255}}}},
    {"frmej50", 5325, 5685, true, "lblej5009",
     {{"lblej5001", {240, 0, 4815, 975}}, {"lblej5002", {240, 1200, 1575, 255}},
      {"txtej5001", {2160, 1200, 975, 285}}, {"txtej5007", {2160, 3960, 2535, 405}},
      {"lblej5009", {240, 4560, 4815, 255}}, {"cmdej5001", {240, 5040, 1335, 495}}}},
};

TEST(BoundedLayout, EachWindowIsDrawnAsDesigned) {
    const NumberFormat format;
    for (const Row& r : kRows) {
        const auto window = catalog().at(r.window)(format);
        const WindowDesign& d = window->design();
        const std::string nn = r.window.substr(5);
        EXPECT_EQ(d.caption, "Ejercicio " + nn);
        EXPECT_EQ(d.width, r.width) << r.window;
        EXPECT_EQ(d.height, r.height) << r.window;
        for (const Pinned& p : r.pinned) {
            ASSERT_NE(d.find(p.control), nullptr) << r.window << " " << p.control;
            EXPECT_EQ(d.find(p.control)->at, p.at) << r.window << " " << p.control;
        }
        // The message label is the last-numbered label.
        std::string last;
        for (const auto& c : d.controls)
            if (c.kind == ControlKind::Label && c.name > last) last = c.name;
        EXPECT_EQ(last, r.messageLabel) << r.window;
        EXPECT_EQ(d.find(last)->caption, "") << r.window;

        const std::string entry = "cmdej" + nn + "01", exit = "cmdej" + nn + "02";
        std::vector<std::string> tab;
        for (const ControlDesign* c : d.tabOrder()) tab.push_back(c->name);
        const std::vector<std::string> expected{"txtej" + nn + "01", r.exitFirst ? exit : entry,
                                                r.exitFirst ? entry : exit};
        EXPECT_EQ(tab, expected) << r.window;
        EXPECT_EQ(d.find(entry)->caption, "INGRESO");
        EXPECT_EQ(d.find(exit)->caption, "SALIR");
    }
}

}  // namespace
}  // namespace ej
