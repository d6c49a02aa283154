// tenmark_art: draws our icons and cursors.
//   tenmark_art marks DIR      mark01.ico .. mark55.ico (32 x 32 and 16 x 16)
//   tenmark_art resources DIR  the window icon, the placeholder icon and the drag cursors
#include "ico_writer.h"
#include "mark_art.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int writeMarks(const std::string& dir) {
    for (int n = 1; n <= kMarkCount; ++n) {
        Canvas big = drawMark(n, 32);
        Canvas small = drawMark(n, 16);
        char name[16];
        std::snprintf(name, sizeof name, "mark%02d.ico", n);
        if (writeIconFile((dir + "/" + name).c_str(), {&big, &small}) != 0) {
            std::fprintf(stderr, "tenmark_art: cannot write %s/%s\n", dir.c_str(), name);
            return -1;
        }
    }
    return 0;
}

int writeResources(const std::string& dir) {
    Canvas window32 = drawWindowIcon(32), window16 = drawWindowIcon(16);
    Canvas placeholder32 = drawPlaceholderIcon(32), placeholder16 = drawPlaceholderIcon(16);
    Canvas arrow = drawArrowCursor(), one = drawDragOneCursor(), many = drawDragManyCursor();
    Canvas noDrop32 = drawNoDropCursor(32), noDrop16 = drawNoDropCursor(16);
    int result = 0;
    result |= writeIconFile((dir + "/tenmark.ico").c_str(), {&window32, &window16});
    result |= writeIconFile((dir + "/placeholder.ico").c_str(), {&placeholder32, &placeholder16});
    result |= writeCursorFile((dir + "/arrow.cur").c_str(), {{&arrow, 1, 1}});
    result |= writeCursorFile((dir + "/drag_one.cur").c_str(), {{&one, 1, 1}});
    result |= writeCursorFile((dir + "/drag_many.cur").c_str(), {{&many, 0, 0}});
    result |= writeCursorFile((dir + "/no_drop.cur").c_str(), {{&noDrop32, 15, 15}, {&noDrop16, 7, 7}});
    if (result != 0) std::fprintf(stderr, "tenmark_art: cannot write into %s\n", dir.c_str());
    return result;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tenmark_art marks|resources DIR\n");
        return 2;
    }
    int result = -1;
    if (std::strcmp(argv[1], "marks") == 0) {
        result = writeMarks(argv[2]);
    } else if (std::strcmp(argv[1], "resources") == 0) {
        result = writeResources(argv[2]);
    } else {
        std::fprintf(stderr, "tenmark_art: unknown kind %s\n", argv[1]);
    }
    return result == 0 ? 0 : 1;
}
