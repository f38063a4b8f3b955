#include "tools/scale_preview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// One user action in the custom scale dialog; `typed` is what the edit reads as (0 for a
// text that is no integer), `on` the Auto-Preview state at that moment.
enum class Act { Type, Click, Cancel };
struct Step {
    Act act;
    bool on;
    int typed;
};
} // namespace

TEST(ScalePreview, WhatEachSequencePutsIntoEffect)
{
    struct {
        const char* name;
        std::vector<Step> steps;
        std::vector<int> applied;  // every value the dialog is asked to apply, in order
        int inEffect;              // afterwards
    } cases[] = {
        {"1, 12, 125 previews only 125; Cancel restores",
         {{Act::Type, true, 1}, {Act::Type, true, 12}, {Act::Type, true, 125}, {Act::Cancel, true, 0}},
         {125, 100},
         100},
        {"the limits themselves preview", {{Act::Type, true, 50}, {Act::Type, true, 1000}}, {50, 1000}, 1000},
        {"past the limits and no integer are ignored",
         {{Act::Type, true, 300}, {Act::Type, true, 1001}, {Act::Type, true, 49}, {Act::Type, true, 0},
          {Act::Type, true, -300}},
         {300},
         300},
        {"without Auto-Preview nothing happens, Cancel included",
         {{Act::Type, false, 250}, {Act::Cancel, false, 0}},
         {},
         100},
        {"checking Auto-Preview applies at once", {{Act::Type, false, 250}, {Act::Click, true, 250}}, {250}, 250},
        {"unchecking applies nothing", {{Act::Type, true, 250}, {Act::Click, false, 250}}, {250}, 250},
        {"Cancel takes back a preview even with Auto-Preview off by then",
         {{Act::Type, true, 250}, {Act::Click, false, 250}, {Act::Cancel, false, 0}},
         {250, 100},
         100},
        {"a preview back at the start leaves Cancel nothing to do",
         {{Act::Type, true, 250}, {Act::Type, true, 100}, {Act::Cancel, true, 0}},
         {250, 100},
         100},
    };
    for (const auto& c : cases) {
        CScalePreview preview(100, kCustomScaleMin, kCustomScaleMax);
        std::vector<int> applied;
        for (const Step& s : c.steps) {
            std::optional<int> v;
            switch (s.act) {
            case Act::Type: v = preview.Typed(s.on, s.typed); break;
            case Act::Click: v = preview.AutoPreviewClicked(s.on, s.typed); break;
            case Act::Cancel: v = preview.Cancelled(); break;
            }
            if (v)
                applied.push_back(*v);
        }
        EXPECT_EQ(applied, c.applied) << c.name;
        EXPECT_EQ(preview.Applied(), c.inEffect) << c.name;
        EXPECT_EQ(preview.Initial(), 100) << c.name;
    }
}
