// File > "导出图片…": the active drawing as a PNG picture, at the scale and in the
// colours the export dialog asks for.
#pragma once

class Drawing;
class TExportForm;
class UiPlatform;

class ExportPicture {
public:
    ExportPicture(UiPlatform& platform, TExportForm& form) : m_platform(platform), m_form(form) {}

    // True when a picture was written.
    bool run(Drawing& drawing);

private:
    UiPlatform& m_platform;
    TExportForm& m_form;
};
