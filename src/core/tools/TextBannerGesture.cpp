// Opening the text banner.
#include "TextBannerGesture.h"

#include "ToolContext.h"

void TextBannerGesture::press(ToolContext& ctx, const ToolRow&, const Pointer& p) {
    ctx.host.openTextBanner(p.cell);
}
