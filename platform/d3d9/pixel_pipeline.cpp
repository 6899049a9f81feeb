#include "platform/d3d9/pixel_pipeline.h"
#include "platform/d3d9/pixel_math.h"

namespace d3d9_internal {

namespace {

StageTerm argumentTerm(DWORD argument) {
    return argument == D3DTA_TEXTURE ? StageTerm::Texel : StageTerm::White;
}

StageTerm operationTerm(DWORD operation, DWORD argument1, DWORD argument2) {
    switch (operation) {
    case D3DTOP_SELECTARG1:
        return argumentTerm(argument1);
    case D3DTOP_SELECTARG2:
        return argumentTerm(argument2);
    case D3DTOP_MODULATE: {
        const int texels = (argumentTerm(argument1) == StageTerm::Texel) +
                           (argumentTerm(argument2) == StageTerm::Texel);
        return texels == 2 ? StageTerm::TexelSquared
                           : (texels == 1 ? StageTerm::Texel : StageTerm::White);
    }
    default:
        return StageTerm::White;
    }
}

uint32_t applyTerm(StageTerm term, uint32_t channel) {
    switch (term) {
    case StageTerm::Texel:
        return channel;
    case StageTerm::TexelSquared:
        return divideBy255(channel * channel);
    default:
        return 255;
    }
}

bool knownFactor(DWORD factor) {
    return factor >= D3DBLEND_ZERO && factor <= D3DBLEND_INVSRCALPHA;
}

uint32_t factorValue(DWORD factor, uint32_t sourceChannel, uint32_t sourceAlpha) {
    switch (factor) {
    case D3DBLEND_ZERO:
        return 0;
    case D3DBLEND_SRCCOLOR:
        return sourceChannel;
    case D3DBLEND_INVSRCCOLOR:
        return 255 - sourceChannel;
    case D3DBLEND_SRCALPHA:
        return sourceAlpha;
    case D3DBLEND_INVSRCALPHA:
        return 255 - sourceAlpha;
    default:
        return 255;
    }
}

uint32_t blendFactors(uint32_t source, uint32_t target, DWORD sourceFactor, DWORD destFactor) {
    const uint32_t alpha = source >> 24;
    uint32_t result = kOpaqueAlpha;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t s = (source >> shift) & 0xFF;
        const uint32_t d = (target >> shift) & 0xFF;
        const uint32_t sum =
            s * factorValue(sourceFactor, s, alpha) + d * factorValue(destFactor, s, alpha);
        const uint32_t channel = divideBy255(sum);
        result |= (channel > 255 ? 255 : channel) << shift;
    }
    return result;
}

} // namespace

PixelPipeline::PixelPipeline(const DWORD* renderStates, const DWORD* stage0States) {
    colourTerm = operationTerm(stage0States[D3DTSS_COLOROP], stage0States[D3DTSS_COLORARG1],
                               stage0States[D3DTSS_COLORARG2]);
    alphaTerm = operationTerm(stage0States[D3DTSS_ALPHAOP], stage0States[D3DTSS_ALPHAARG1],
                              stage0States[D3DTSS_ALPHAARG2]);
    sourceFactor = renderStates[D3DRS_SRCBLEND];
    destFactor = renderStates[D3DRS_DESTBLEND];
    if (!knownFactor(sourceFactor)) {
        sourceFactor = D3DBLEND_ONE;
    }
    if (!knownFactor(destFactor)) {
        destFactor = D3DBLEND_ZERO;
    }
    if (renderStates[D3DRS_ALPHABLENDENABLE] == FALSE ||
        (sourceFactor == D3DBLEND_ONE && destFactor == D3DBLEND_ZERO)) {
        mode = BlendMode::Replace;
    } else if (sourceFactor == D3DBLEND_SRCALPHA && destFactor == D3DBLEND_INVSRCALPHA) {
        mode = BlendMode::SourceAlphaOver;
    } else {
        mode = BlendMode::Factors;
    }
}

void PixelPipeline::shade(uint32_t* texels, int count) const {
    if (!shades()) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        const uint32_t texel = texels[i];
        uint32_t shaded = applyTerm(alphaTerm, texel >> 24) << 24;
        for (int shift = 0; shift < 24; shift += 8) {
            shaded |= applyTerm(colourTerm, (texel >> shift) & 0xFF) << shift;
        }
        texels[i] = shaded;
    }
}

void PixelPipeline::write(uint32_t* target, const uint32_t* source, int count) const {
    switch (mode) {
    case BlendMode::Replace:
        for (int i = 0; i < count; ++i) {
            target[i] = source[i] | kOpaqueAlpha;
        }
        break;
    case BlendMode::SourceAlphaOver:
        blendSourceAlphaOver(target, source, count);
        break;
    case BlendMode::Factors:
        for (int i = 0; i < count; ++i) {
            target[i] = blendFactors(source[i], target[i], sourceFactor, destFactor);
        }
        break;
    }
}

void PixelPipeline::writeTexelRow(uint32_t* target, const uint32_t* texels, const AlphaRun* runs,
                                  int count) const {
    if (mode == BlendMode::SourceAlphaOver) {
        blendSourceAlphaOverRuns(target, texels, runs, count);
    } else {
        write(target, texels, count);
    }
}

} // namespace d3d9_internal
