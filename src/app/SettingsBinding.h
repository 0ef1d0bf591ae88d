#pragma once

// Reads the option controls into ViewerSettings and writes ViewerSettings back
// into them. The fields without a control (colours, tooltip switch, zoomMax,
// folders) are kept here, and their displays follow every change.

#include <functional>

#include "app/OptionsArea.h"
#include "core/model/ViewerSettings.h"

namespace tessaly::app {

class SettingsBinding {
public:
    // `showToolTipHelp` shows the switch (menu tick and tooltips) whenever it changes.
    SettingsBinding(const OptionControls& controls, const model::ViewerSettings& start,
                    std::function<void(bool)> showToolTipHelp);

    model::ViewerSettings read() const;
    // Every field, each with the window's rules (a list value outside its items
    // leaves no selection, hsIcon 1 ticks "icon1", ...).
    void write(const model::ViewerSettings& settings);
    // "Options by default" for the option fields.
    void resetToDefaults();

    // Ticks "icon1" for 1, "icon2" for any other.
    void setHotSpotIcon(int icon);
    void setHtmlBgColor(std::uint32_t colour);
    void setBlackAreaColor(std::uint32_t colour);
    // The movie's stereo layout and field, as its marks say.
    void setMovieFormat(const movies::MovieFormat& format);
    int toolTipHelp() const { return vars_.toolTipHelp; }
    void setToolTipHelp(int value);
    const std::string& loadDir() const { return vars_.loadDir; }
    const std::string& saveDir() const { return vars_.saveDir; }
    void setLoadDir(const std::string& folder) { vars_.loadDir = folder; }
    void setSaveDir(const std::string& folder) { vars_.saveDir = folder; }
    const OptionControls& controls() const { return c_; }

private:
    OptionControls c_;
    model::ViewerSettings vars_;
    std::function<void(bool)> showToolTipHelp_;
};

}  // namespace tessaly::app
