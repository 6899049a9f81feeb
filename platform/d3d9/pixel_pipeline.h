// What happens to a texel between the texture and the back buffer: texture
// stage 0 combines it with the current colour (opaque white), then it is
// blended into the target as the render states say.
#pragma once

#include <d3d9.h>

#include "platform/d3d9/alpha_runs.h"

#include <cstdint>

namespace d3d9_internal {

// What a stage operation makes of a channel: the texel's value, full
// intensity (the white current colour), or the texel modulated by itself.
enum class StageTerm { White, Texel, TexelSquared };

enum class BlendMode { Replace, SourceAlphaOver, Factors };

class PixelPipeline {
public:
    PixelPipeline() = default;
    PixelPipeline(const DWORD* renderStates, const DWORD* stage0States);

    // Two pipelines that agree here turn every texel into the same pixel.
    bool operator==(const PixelPipeline& other) const {
        return colourTerm == other.colourTerm && alphaTerm == other.alphaTerm &&
               mode == other.mode && sourceFactor == other.sourceFactor &&
               destFactor == other.destFactor;
    }

    // Whether stage 0 changes texels at all; most often it passes them on.
    bool shades() const { return colourTerm != StageTerm::Texel || alphaTerm != StageTerm::Texel; }
    // Runs stage 0 over texels in place.
    void shade(uint32_t* texels, int count) const;
    // Writes shaded texels into the target row.
    void write(uint32_t* target, const uint32_t* source, int count) const;
    // Writes consecutive texels of a texture row, with their alpha runs
    // (alpha_runs.h), when stage 0 passes texels on unchanged.
    void writeTexelRow(uint32_t* target, const uint32_t* texels, const AlphaRun* runs,
                       int count) const;

private:
    StageTerm colourTerm = StageTerm::Texel;
    StageTerm alphaTerm = StageTerm::Texel;
    BlendMode mode = BlendMode::Replace;
    DWORD sourceFactor = D3DBLEND_ONE;
    DWORD destFactor = D3DBLEND_ZERO;
};

} // namespace d3d9_internal
