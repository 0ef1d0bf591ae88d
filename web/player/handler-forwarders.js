/*
 * Page handlers. Inline attributes of the page may call these before the viewer
 * has run, so each one only announces the call as a document event
 * named tessaly: plus the handler name, with the element as its detail. A call that
 * nobody listens to yet is harmless.
 */
(function () {
    var names = [
        "cTitle", "cLeft", "cUp", "cStop", "cDown", "cRight",
        "cZoomIn", "cZoomOut", "cRestart", "cMuteON", "cMuteOFF",
        "cHS1", "cHS2", "cHS3", "cHS4", "cHS5",
        "cHS6", "cHS7", "cHS8", "cHS9", "cHS10"
    ];
    var i;

    function announce(name, element) {
        var event;
        if (typeof window.CustomEvent === "function") {
            event = new window.CustomEvent("tessaly:" + name, { detail: element });
        } else {
            /* Old engines have no CustomEvent constructor. */
            event = document.createEvent("CustomEvent");
            event.initCustomEvent("tessaly:" + name, false, false, element);
        }
        document.dispatchEvent(event);
    }

    function forwarder(name) {
        return function (element) {
            announce(name, element);
        };
    }

    for (i = 0; i < names.length; i += 1) {
        window[names[i]] = forwarder(names[i]);
    }
}());
