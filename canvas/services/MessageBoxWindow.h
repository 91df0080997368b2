#pragma once
// One message box from start to end: its window, host, buttons and message
// label, the routines its host calls, and the modal loop that runs until the
// window is gone.
//
// Every button's tag reads "<box>|<value>|<position>": <box> is the box's
// handle, looked up in the handle table, so a click can only ever reach a
// box that is still alive.

#include "canvas/controls/Button.h"
#include "canvas/controls/Label.h"
#include "canvas/core/CanvasHost.h"
#include "canvas/core/HandleTable.h"
#include "canvas/core/RectF.h"
#include "canvas/services/MessageBox.h"
#include "canvas/services/Toolkit.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace canvas {

// The three fields of a box button's tag.
struct BoxButtonTag {
    Handle box = 0;
    int value = 0;
    int position = 0;  // 1 = rightmost
};
AnsiText FormatBoxButtonTag(const BoxButtonTag& tag);
// Empty unless the text is three "|"-separated integers.
std::optional<BoxButtonTag> ParseBoxButtonTag(std::string_view text);

// Window properties of a message box.
inline constexpr const char* kBoxFlagsProperty = "Ux_Wnd_Flags";
inline constexpr const char* kBoxIconProperty = "Ux_Canvas_MsgBox";
inline constexpr int kMessageBoxFlag = 3;

// The frame and the icon of a box, drawn over its host's background (the
// host's background-paint routine).
void PaintMessageBoxBackground(HWND window, GpGraphics* graphics, int width, int height);

class MessageBoxWindow : public HandleObject {
public:
    MessageBoxWindow(HWND owner, const AnsiText& text, const MessageBoxOptions& options);
    ~MessageBoxWindow() override;
    MessageBoxWindow(const MessageBoxWindow&) = delete;
    MessageBoxWindow& operator=(const MessageBoxWindow&) = delete;

    // Builds and shows the box, runs its loop and releases it; the value of
    // the button that closed it, else 1. Call once.
    int Run();

private:
    bool Create();
    AttachOptions Look() const;
    void FitText();
    void CreateButtons();
    void CreateLabel();
    void ShowBox();
    void RunLoop();
    void DropPendingInput();
    void Release();
    bool Alive() const { return !destroyed_ && IsWindow(window_); }

    // The host's routines.
    LRESULT OnBoxMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    void OnBoxSize(HWND window, int width, int height);
    void OnBoxClick(HWND window, Handle control, int kind);

    Handle id_ = 0;
    HWND owner_ = nullptr;
    AnsiText text_;
    MessageBoxOptions options_;
    int icon_ = 0;
    RECT reference_{};  // what the box is centred in
    RECT work_{};       // what the box must fit in
    SIZE size_{};
    RectF textRect_;
    HWND window_ = nullptr;
    bool destroyed_ = false;
    int result_ = boxResult::kCancel;

    // The host goes last: the controls leave it first.
    CanvasHost host_;
    std::vector<std::unique_ptr<Button>> buttons_;
    std::unique_ptr<Label> label_;
};

}  // namespace canvas
