// The board's work in each frame: advancing the hot peg and the labels, and drawing.
#include "Board.h"

#include "Graphics.h"

HRESULT Board::Update(float dt) {
    hotButton.Update(dt);
    UpdateHotButton(dt);
    popups.Update(dt);
    return S_OK;
}

HRESULT Board::UpdateHotButton(float) {
    for (Hole& hole : holes) {
        hole.hot = 0;
    }
    if (hotButton.IsActive()) {
        holes[hotButton.GetHole()].hot = 1;
        return S_OK;
    }
    int drawn = hotButton.TrySpawn();
    if (drawn == kNoHole || holes[drawn].empty || holes[drawn].selected) {
        return S_OK;
    }
    Hole& hole = holes[drawn];
    hole.hot = 1;
    hotButton.SetActive(1);
    hotButton.SetPosition(hole.x, hole.y);
    hotButton.SetBlinking(1);
    // A badge placed as the previous run times out would otherwise inherit its
    // spent timer and vanish at the next update.
    hotButton.ResetTimer();
    return S_OK;
}

HRESULT Board::HidePopups() {
    popups.HideAll();
    return S_OK;
}

HRESULT Board::Render(float dt) {
    if (!IsInitialized()) {
        return E_FAIL;
    }
    // The buffer is made at Init; if that failed, every frame tries again,
    // and until one succeeds the holes are left out rather than drawn from nothing.
    if (!vertexBuffer) {
        UploadGeometry();
    }
    IDirect3DDevice9* device = g_graphics.GetDevice();
    if (vertexBuffer && device) {
        device->SetStreamSource(0, vertexBuffer, 0, sizeof(Vertex));
        for (const Hole& hole : holes) {
            IDirect3DTexture9* image = pegTexture;
            if (hole.empty) {
                image = holeTexture;
            } else if (hole.selected) {
                image = activePegTexture;
            }
            device->SetTexture(0, image);
            device->DrawPrimitive(D3DPT_TRIANGLELIST, hole.firstVertex, 2);
        }
    }
    hotButton.Draw(dt);
    popups.Draw(dt);
    return S_OK;
}
