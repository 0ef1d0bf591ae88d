/* Finding, making and placing the page's elements. */

export function byId(id) {
    return document.getElementById(id);
}

export function make(tag, className, text) {
    const element = document.createElement(tag);
    if (className) {
        element.className = className;
    }
    if (text) {
        element.textContent = text;
    }
    return element;
}

/*
 * Style writes only when the value changes: unchanged writes still cost a style
 * pass. The last value written is kept beside the element, so the check reads no style.
 */
export function put(element, name, value) {
    const written = element.tessalyStyle || (element.tessalyStyle = {});
    if (written[name] !== value) {
        written[name] = value;
        element.style[name] = value;
    }
}

/* A null width or height leaves that size to the element. */
export function placeBox(element, left, top, width, height) {
    put(element, "position", "absolute");
    put(element, "left", Math.round(left) + "px");
    put(element, "top", Math.round(top) + "px");
    if (width !== null) {
        put(element, "width", Math.round(width) + "px");
    }
    if (height !== null) {
        put(element, "height", Math.round(height) + "px");
    }
}

export function show(element) {
    put(element, "display", "block");
}

export function hide(element) {
    if (element) {
        put(element, "display", "none");
    }
}

export function isShown(element) {
    return !!element && (element.tessalyStyle || element.style).display !== "none";
}

/* Text written only when it changes, like put. */
export function setText(element, text) {
    if (element && element.tessalyText !== text) {
        element.tessalyText = text;
        element.textContent = text;
    }
}

export function onClick(element, action) {
    if (element) {
        element.addEventListener("click", action, false);
    }
}
