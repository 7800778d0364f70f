#include "qt/font_preload.h"

#ifdef GW_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace gw::qt {

FontConfigPreload::FontConfigPreload() {
#ifdef GW_HAVE_FONTCONFIG
  reader_ = std::thread([] { FcInit(); });
#endif
}

FontConfigPreload::~FontConfigPreload() {
  Wait();
}

void FontConfigPreload::Wait() {
  if (reader_.joinable()) reader_.join();
}

}  // namespace gw::qt
