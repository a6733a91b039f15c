// Artwork of the landing gear lever.
#include "art/recipe.h"

using namespace art;

art::Recipe gauge_art() {
    return {
        {4096, 42, 77, "background: UP and DN marks, ring at the right",
         [] {
             Canvas c(42, 77, PANEL);
             c.fill_circle(31, 38, 8, KNOB);
             c.circle(31, 38, 8, KNOB_LIGHT);
             c.fill_rect(8, 2, 4, 73, BLACK);
             return c;
         }},
        {4352, 18, 44, "lever knob",
         [] {
             Canvas c(18, 44, BLACK);
             c.fill_rect(7, 0, 4, 34, KNOB_LIGHT);
             c.fill_circle(9, 36, 7, WHITE);
             return c;
         }},
    };
}
