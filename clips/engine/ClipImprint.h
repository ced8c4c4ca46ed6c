#pragma once
// Effects that press a floating clip's shape into the picture under it: the
// paste panel's dark and light imprint, emboss and drop shadow. The clip's
// colours are not used, only where it is not white; the clip itself is not
// drawn. Parts of the clip that lie off the picture change nothing.
//
// Each effect can be stopped through its step: the picture is then as it was
// before the call, and the call answers false.
#include "clips/engine/Progress.h"
#include "clips/engine/ToneArithmetic.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Geometry.h"

namespace clips {

// Every picture pixel under a non-white pixel of the clip (clip pixel (0, 0)
// over picture pixel `at`) shifted by `shift`. Dark imprint on white gives
// RGB(207, 207, 207).
bool imprint(gdi::Bitmap& picture, const gdi::Bitmap& clip, gdi::Point at, int shift, Tone tone,
             const StoppableStep& step = {});

// Where the light imprint of an emboss goes, relative to the dark one.
inline constexpr gdi::Point kEmbossLightOffset{-1, -1};

// Emboss: a dark imprint at `at`, then a light imprint one pixel up and to
// the left. Where the two overlap the tones come back (except where a channel
// was clamped): a light rim shows along the shape's top and left edges, a
// dark one along its bottom and right. A window that re-shows the clip
// between the two imprints calls imprint() twice instead.
bool emboss(gdi::Bitmap& picture, const gdi::Bitmap& clip, gdi::Point at,
            const StoppableStep& step = {});

// Where the first shadow layer goes, relative to the clip; each further
// layer one pixel further right and down.
inline constexpr gdi::Point kShadowOffset{5, 3};
inline constexpr int kShadowLayers = 5;

// The drop shadow of a clip drawn at `at`: five layers, each darkening the
// picture by 12 under its non-white pixels. Layer k (k = 5 down to 1) is the
// previous layer (the clip for the first) stretched to the clip's size plus
// 3k pixels each way, so the first is 15 pixels larger and each further one
// resampled from it 3 pixels smaller; they lie at offsets (5, 3) to (9, 7).
// The shadow is darkest where all overlap. The caller then draws the clip
// over it as every redraw of the paste does.
bool dropShadow(gdi::Bitmap& picture, const gdi::Bitmap& clip, gdi::Point at,
                const StoppableStep& step = {});

}  // namespace clips
