#include "TimePanel.h"

#include "DecimalText.h"

namespace {

const float kFullTime = 30.0f;
const float kDigitsY = 5.0f;
const float kTensX = 90.0f;
const float kOnesX = 105.0f;

} // namespace

HRESULT TimePanel::Init() {
    Sprite::Load("Grafik//time.png", 20.0f, 5.0f, 75, 30);
    highlights[0].LoadHighlight();
    highlights[0].SetPosition(kTensX, kDigitsY);
    highlights[1].LoadHighlight();
    highlights[1].SetPosition(kOnesX, kDigitsY);
    digits[0].Load(kOnesX, kDigitsY, 0);
    digits[1].Load(kTensX, kDigitsY, 3);
    timeLeft = kFullTime;
    warn = 0;
    expired = 0;
    loaded = 1;
    return S_OK;
}

HRESULT TimePanel::Update(float dt) {
    if (!expired)
        timeLeft = timeLeft - dt;
    if (timeLeft <= 0.0f)
        expired = 1;
    highlights[0].Blink(dt);
    highlights[1].Blink(dt);
    return S_OK;
}

// Whole seconds left, truncated toward zero; held inside the int range so a
// frame time of any size cannot make the conversion overflow.
int TimePanel::ShownSeconds() {
    float seconds = timeLeft;
    if (!(seconds > -1000.0f))
        seconds = -1000.0f;
    if (seconds > 1000.0f)
        seconds = 1000.0f;
    return (int)seconds;
}

HRESULT TimePanel::Draw(float dt) {
    Sprite::Draw(dt);
    int secs = ShownSeconds();
    DecimalText text(secs);
    if (secs > 9) {
        if (!warn) {
            highlights[0].SetBlinking(false);
            highlights[1].SetBlinking(false);
        }
        warn = 0;
        digits[0].DrawDigit(text.DigitAt(1));
        digits[1].DrawDigit(text.DigitAt(0));
    } else {
        warn = 1;
        highlights[0].SetBlinking(true);
        highlights[1].SetBlinking(true);
        highlights[0].Sprite::Draw(dt);
        highlights[1].Sprite::Draw(dt);
        // Below ten seconds the one digit of the text is the ones digit, and
        // a run-out clock's minus sign shows as 0.
        digits[0].DrawDigit(text.DigitAt(0));
        digits[1].DrawDigit(0);
    }
    return S_OK;
}

HRESULT TimePanel::Reset() {
    expired = 0;
    timeLeft = kFullTime;
    warn = 0;
    return S_OK;
}

HRESULT TimePanel::Release() {
    Sprite::Release();
    highlights[0].ReleaseHighlight();
    highlights[1].ReleaseHighlight();
    digits[0].Release();
    digits[1].Release();
    loaded = 0;
    return S_OK;
}

HRESULT TimePanel::SetExpired(int v) {
    expired = v;
    return S_OK;
}
