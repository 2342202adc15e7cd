#include "display/report.h"

#include <cstdarg>
#include <cstdio>

#include "display/surfaces.h"
#include "platform/window.h"
#include "state/state.h"

namespace kelmora {

namespace {

// Both reporters: the text is cut at 127 characters, as the box's buffer holds no more.
platform::HRESULT Report(platform::WindowHandle window, platform::HRESULT code, const char* caption,
                         bool releaseFirst, const char* format, std::va_list arguments) {
  char text[128];
  std::vsnprintf(text, sizeof text, format, arguments);
  appState.exitStatus = 1;
  if (releaseFirst) ReleaseDisplay();
  platform::MessageBox(window, text, caption);
  platform::DestroyGameWindow(window);
  return code;
}

}  // namespace

platform::HRESULT ReportFatal(platform::WindowHandle window, platform::HRESULT code,
                              const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  const platform::HRESULT result = Report(window, code, kWindowCaption, true, format, arguments);
  va_end(arguments);
  return result;
}

platform::HRESULT ReportInputError(platform::WindowHandle window, platform::HRESULT code,
                                   const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  const platform::HRESULT result = Report(window, code, kErrorCaption, false, format, arguments);
  va_end(arguments);
  return result;
}

}  // namespace kelmora
