/*
 * Hot-spot tables and the control-bar lift. The configuration script, which the
 * page loads right after this one, assigns into these by index and sets posY in
 * full-screen mode, so they must exist before it runs.
 */
var HotSpotItem_pos = [], HotSpotItem_time = [], HotSpotItem_yaw = [],
    HotSpotItem_title = [], HotSpotItem_link = [], HotSpotItem_self = [];
var posY = 0;
