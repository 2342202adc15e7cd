// The page around the canvas, over Emscripten's HTML5 API; the drawing, the dialog and full
// screen go through the page's script (Module.kelmoraPage, in index.html).
#include "platform/web/page.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <string>

#include "platform/web/web_backend.h"

// clang-format off
EM_JS(void, KelmoraSetTitle, (const char* title), {
  document.title = UTF8ToString(title);
});
EM_JS(void, KelmoraDraw, (const std::uint8_t* rgba, int width, int height), {
  Module.kelmoraPage.draw(HEAPU8.subarray(rgba, rgba + width * height * 4), width, height);
});
EM_JS(void, KelmoraDialog, (const char* caption, const char* text), {
  Module.kelmoraPage.dialog(UTF8ToString(caption), UTF8ToString(text));
});
EM_JS(void, KelmoraToggleFullscreen, (), {
  Module.kelmoraPage.toggleFullscreen();
});
// clang-format on

namespace kelmora::platform {

namespace {

constexpr const char* kCanvas = "#canvas";

EM_BOOL OnKeyEvent(int type, const EmscriptenKeyboardEvent* event, void* data) {
  PageKey key;
  key.code = event->code;
  key.key = event->key;
  key.down = type == EMSCRIPTEN_EVENT_KEYDOWN;
  key.repeat = event->repeat != 0;
  key.alt = event->altKey != 0;
  key.command = event->ctrlKey != 0 || event->metaKey != 0;
  return static_cast<WebBackend*>(data)->OnKey(key) ? EM_TRUE : EM_FALSE;
}

EM_BOOL OnButtonEvent(int type, const EmscriptenMouseEvent* event, void* data) {
  static_cast<WebBackend*>(data)->OnMouseButton(event->button, type == EMSCRIPTEN_EVENT_MOUSEDOWN);
  return EM_FALSE;  // the canvas takes the focus as usual
}

EM_BOOL OnMoveEvent(int type, const EmscriptenMouseEvent* event, void* data) {
  auto* backend = static_cast<WebBackend*>(data);
  double width = 0.0;
  double height = 0.0;
  emscripten_get_element_css_size(kCanvas, &width, &height);
  if (type == EMSCRIPTEN_EVENT_MOUSELEAVE) {
    backend->OnPointer(-1.0, -1.0, width, height);
    return EM_FALSE;
  }
  backend->OnPointer(static_cast<double>(event->targetX), static_cast<double>(event->targetY),
                     width, height);
  backend->OnRelativeMotion(static_cast<std::int32_t>(event->movementX),
                            static_cast<std::int32_t>(event->movementY));
  return EM_FALSE;
}

EM_BOOL OnFocusEvent(int type, const EmscriptenFocusEvent*, void* data) {
  static_cast<WebBackend*>(data)->OnFocus(type == EMSCRIPTEN_EVENT_FOCUS);
  return EM_FALSE;
}

EM_BOOL OnVisibilityEvent(int, const EmscriptenVisibilityChangeEvent* event, void* data) {
  static_cast<WebBackend*>(data)->OnVisibility(event->hidden == 0);
  return EM_FALSE;
}

EM_BOOL OnPointerLockEvent(int, const EmscriptenPointerlockChangeEvent* event, void* data) {
  static_cast<WebBackend*>(data)->OnPointerLock(event->isActive != 0);
  return EM_FALSE;
}

std::int16_t Axis(double value) {
  return static_cast<std::int16_t>(std::clamp(value, -1.0, 1.0) * 32767.0);
}

}  // namespace

void PageSetTitle(std::string_view title) {
  KelmoraSetTitle(std::string(title).c_str());
}

bool PageStartInput(WebBackend* backend) {
  const char* window = EMSCRIPTEN_EVENT_TARGET_WINDOW;
  bool ok = emscripten_set_keydown_callback(window, backend, EM_TRUE, OnKeyEvent) ==
            EMSCRIPTEN_RESULT_SUCCESS;
  ok = ok && emscripten_set_keyup_callback(window, backend, EM_TRUE, OnKeyEvent) ==
                 EMSCRIPTEN_RESULT_SUCCESS;
  ok = ok && emscripten_set_mousedown_callback(kCanvas, backend, EM_TRUE, OnButtonEvent) ==
                 EMSCRIPTEN_RESULT_SUCCESS;
  // A button let go anywhere is let go.
  ok = ok && emscripten_set_mouseup_callback(window, backend, EM_TRUE, OnButtonEvent) ==
                 EMSCRIPTEN_RESULT_SUCCESS;
  ok = ok && emscripten_set_mousemove_callback(kCanvas, backend, EM_TRUE, OnMoveEvent) ==
                 EMSCRIPTEN_RESULT_SUCCESS;
  ok = ok && emscripten_set_mouseleave_callback(kCanvas, backend, EM_TRUE, OnMoveEvent) ==
                 EMSCRIPTEN_RESULT_SUCCESS;
  if (!ok) return false;
  // Focus, visibility and the pointer's hold are welcome but not needed.
  emscripten_set_focus_callback(window, backend, EM_TRUE, OnFocusEvent);
  emscripten_set_blur_callback(window, backend, EM_TRUE, OnFocusEvent);
  emscripten_set_visibilitychange_callback(backend, EM_TRUE, OnVisibilityEvent);
  emscripten_set_pointerlockchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, backend, EM_TRUE,
                                            OnPointerLockEvent);
  EmscriptenVisibilityChangeEvent visibility;
  if (emscripten_get_visibility_status(&visibility) == EMSCRIPTEN_RESULT_SUCCESS &&
      visibility.hidden != 0) {
    backend->OnVisibility(false);
  }
  return true;
}

void PageDrawFrame(const std::uint8_t* rgba, int width, int height) {
  KelmoraDraw(rgba, width, height);
}

void PageShowDialog(std::string_view caption, std::string_view text) {
  KelmoraDialog(std::string(caption).c_str(), std::string(text).c_str());
}

void PageToggleFullscreen() {
  KelmoraToggleFullscreen();
}

void PageReadPads(std::vector<PadState>* pads) {
  pads->clear();
  if (emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS) return;
  const int count = emscripten_get_num_gamepads();
  for (int i = 0; i < count; ++i) {
    EmscriptenGamepadEvent pad;
    if (emscripten_get_gamepad_status(i, &pad) != EMSCRIPTEN_RESULT_SUCCESS) continue;
    if (pad.connected == 0 || std::string_view(pad.mapping) != "standard") continue;
    const auto button = [&pad](int b) { return b < pad.numButtons && pad.digitalButton[b] != 0; };
    const auto axis = [&pad](int a) {
      return a < pad.numAxes ? Axis(pad.axis[a]) : static_cast<std::int16_t>(0);
    };
    // The standard layout: A, B, ..., Back 8, Start 9, the d-pad 12 to 15, the sticks' axes.
    PadState state;
    state.a = button(0);
    state.b = button(1);
    state.back = button(8);
    state.start = button(9);
    state.up = button(12);
    state.down = button(13);
    state.left = button(14);
    state.right = button(15);
    state.leftX = axis(0);
    state.leftY = axis(1);
    state.rightX = axis(2);
    state.rightY = axis(3);
    pads->push_back(state);
  }
}

}  // namespace kelmora::platform
