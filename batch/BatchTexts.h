#pragma once

#include <string_view>

namespace glimmet::batch_texts {

inline constexpr std::string_view kProgram = "glimmet-batch";

inline constexpr std::string_view kUsage = R"(glimmet-batch [OPTIONS] PICTURE
  -r, --region X,Y,W,H    region in pixels: x0 = X, y0 = Y, x1 = X + W, y1 = Y + H, ends included as in
                          the window; default: every pixel once, 0,0,width-1,height-1
  -s, --step SX[,SY]      sampling steps; default 1,1; one number sets both
  -z, --zoom N            output enlargement; default 1
  -k, --key R,G,B         reference colour, each 0..255 (also #RRGGBB); default 0,0,255
  -c, --compare MODE      equal | notequal | greater | lesser | invert; default notequal
      --tolerance N       0..255, default 0: with equal and notequal, a sample equals the key when each of
                          its red, green and blue differs by at most N (JPEG noise); -1 never equals
  -f, --fill MODE         points | circles | squares | text; default points
  -t, --text TEXT         fill text; default "text"
  -o, --output FILE       write the rendered output picture as a bitmap (BMP) file
      --html FILE         append the export's page to FILE (the walk runs as the export does; --output
                          then saves its text preview)
      --expect-none       exit status 3 when any sample passes (e.g. "no pixel of this border differs
                          from the key")
  -q, --quiet             no progress bar and no summary
  -h, --help; --version
)";

// Exit statuses.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFile = 1;
inline constexpr int kExitArguments = 2;
inline constexpr int kExitSomethingPassed = 3;

}  // namespace glimmet::batch_texts
