#include "Stats.h"

#include "DecimalText.h"

namespace {

const float kDigitsX = 500.0f;
const float kDigitPitch = 15.0f;
const float kPegsY = 5.0f;
const float kMovesY = 30.0f;
const float kScoreY = 55.0f;
const float kComboY = 80.0f;
// A chain only earns its bonus, and its highlight, from three jumps on.
const int kHighlightedCombo = 3;

template <int N> void LoadRow(DigitSprite (&digits)[N], float y) {
    for (int i = 0; i < N; i++)
        digits[i].Load(kDigitsX + i * kDigitPitch, y, 0);
}

template <int N> void ReleaseRow(DigitSprite (&digits)[N]) {
    for (DigitSprite& digit : digits)
        digit.Release();
}

// Gives the number's decimal text to the sprites from the left, one
// character each: as many characters as the number has digits, at most N.
template <int N> void DrawNumber(DigitSprite (&digits)[N], int value) {
    int count = 1;
    for (long long limit = 10; count < N && value >= limit; limit *= 10)
        count++;
    DecimalText text(value);
    for (int i = 0; i < count; i++)
        digits[i].DrawDigit(text.DigitAt(i));
}

} // namespace

HRESULT Stats::Init() {
    Sprite::Load("Grafik//stats.png", 400.0f, 0.0f, 75, 90);
    LoadRow(scoreDigits, kScoreY);
    comboLabel.Load("Grafik//combostat.png", 400.0f, kComboY, 75, 30);
    comboDigit.Load(kDigitsX, kComboY, 0);
    comboHighlight.LoadHighlight();
    comboHighlight.SetPosition(kDigitsX, kComboY);
    LoadRow(movesDigits, kMovesY);
    LoadRow(pegsDigits, kPegsY);
    timePanel.Init();
    timed = 1;
    loaded = 1;
    return S_OK;
}

HRESULT Stats::Render(float dt, int score, int moves, int pegsLeft, int combo) {
    if (!IsLoaded())
        return E_FAIL;
    Sprite::Draw(dt);
    comboLabel.Draw(dt);
    DrawNumber(pegsDigits, pegsLeft);
    DrawNumber(movesDigits, moves);
    DrawNumber(scoreDigits, score);
    if (combo >= kHighlightedCombo) {
        comboHighlight.SetBlinking(true);
        comboHighlight.Sprite::Draw(dt);
    } else {
        comboHighlight.SetBlinking(false);
    }
    // The digit sprite keeps to its ten images: a chain of ten or more shows 9.
    comboDigit.DrawDigit(combo);
    timePanel.Draw(dt);
    return S_OK;
}

HRESULT Stats::Update(float dt) {
    comboHighlight.Blink(dt);
    if (timed)
        timePanel.Update(dt);
    return S_OK;
}

HRESULT Stats::SetTimeUp(int v) {
    timePanel.SetExpired(v);
    return S_OK;
}

HRESULT Stats::ResetTime() {
    timePanel.Reset();
    return S_OK;
}

HRESULT Stats::SetTimed(int v) {
    timed = v;
    return S_OK;
}

HRESULT Stats::Release() {
    loaded = 0;
    Sprite::Release();
    ReleaseRow(scoreDigits);
    ReleaseRow(movesDigits);
    ReleaseRow(pegsDigits);
    comboDigit.Release();
    comboHighlight.ReleaseHighlight();
    comboLabel.Release();
    timePanel.Release();
    return S_OK;
}
