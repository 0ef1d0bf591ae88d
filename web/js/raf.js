// requestAnimationFrame for browsers that only know a prefixed name or none.
// The last resort ticks at the frame rate the configuration script caps
// (OS_FPS frames a second, so 1000 / OS_FPS milliseconds a frame).
window.requestAnimationFrame = window.requestAnimationFrame ||
    window.webkitRequestAnimationFrame ||
    window.mozRequestAnimationFrame ||
    window.oRequestAnimationFrame ||
    window.msRequestAnimationFrame ||
    function (callback) {
        var fps = (typeof OS_FPS === 'number' && OS_FPS > 0) ? OS_FPS : 60;
        return window.setTimeout(function () {
            callback(window.performance && window.performance.now ? window.performance.now() : Date.now());
        }, 1000 / fps);
    };
