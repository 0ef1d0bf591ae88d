/*
 * The hot spots: the page's icons hs1 to hs10 shown over the picture at their
 * direction while the movie time is inside their window, the "hot spot is
 * shown" marker, the title tip of a focused icon, and opening their links.
 */
import { HOT_SPOT_SLOTS } from "./config.js";
import { byId, hide, isShown, placeBox, put, show } from "./dom.js";
import { directionOf } from "./geometry.js";

const ICON_SIZE = 48;
const MARGIN = 8;

export function inWindow(spot, time) {
    return time >= spot.start && time <= spot.end;
}

export class HotSpots {
    /* parts: video, view, layout and the tip element; isReady() says whether the movie is drawn. */
    constructor(configured, parts, isReady) {
        this.video = parts.video;
        this.view = parts.view;
        this.layout = parts.layout;
        this.tip = parts.tip;
        this.isReady = isReady;
        this.spots = [];
        this.focused = null;
        this.anyShown = null;
        this.seen = { camera: -1, layout: -1 };
        const icons = [];
        for (let index = 0; index < HOT_SPOT_SLOTS; index += 1) {
            const icon = byId("hs" + (index + 1));
            icons.push(icon);
            if (icon) {
                hide(icon);
                icon.style.zIndex = "10";
                /* Icons move by transform: no layout while they follow the view. */
                placeBox(icon, 0, 0, null, null);
            }
        }
        for (const spot of configured) {
            spot.direction = directionOf(spot.column, spot.pitch, new THREE.Vector3());
            spot.icon = icons[spot.index];
            spot.left = null;
            spot.top = null;
            spot.on = null;
            if (spot.icon) {
                /* Attributes set this way are text, never markup. */
                spot.icon.setAttribute("title", spot.title);
                spot.icon.setAttribute("aria-label", spot.title);
                spot.icon.setAttribute("role", "link");
                spot.icon.tabIndex = 0;
                this.bindKeys(spot);
                this.spots.push(spot);
            }
        }
        this.marker = byId("check_hs");
        if (this.marker) {
            hide(this.marker);
            this.marker.style.zIndex = "10";
        }
    }

    /* Focus shows the title beside the icon; Enter opens the link. */
    bindKeys(spot) {
        const tip = this.tip;
        spot.icon.addEventListener("keydown", (event) => {
            if (event.key === "Enter" || event.keyCode === 13) {
                this.open(spot.index);
                event.preventDefault();
            }
        }, false);
        spot.icon.addEventListener("focus", () => {
            this.focused = spot;
            tip.textContent = spot.title;
            this.placeTip();
        }, false);
        spot.icon.addEventListener("blur", () => {
            this.focused = null;
            hide(tip);
        }, false);
    }

    placeTip() {
        const spot = this.focused;
        const tip = this.tip;
        if (!spot || !isShown(spot.icon) || spot.left === null) {
            hide(tip);
            return;
        }
        placeBox(tip, spot.left, spot.top + ICON_SIZE + 2, null, null);
        show(tip);
    }

    /* The icons placed by an earlier camera or layout must be placed again. */
    takeStale() {
        const stale = this.seen.camera !== this.view.cameraVersion || this.seen.layout !== this.layout.version;
        this.seen.camera = this.view.cameraVersion;
        this.seen.layout = this.layout.version;
        return stale;
    }

    placeIcon(spot, on) {
        const box = this.layout.box;
        const at = on ? this.view.project(spot.direction, box.width, box.height) : null;
        if (at) {
            spot.left = Math.round(box.left + at.x - ICON_SIZE / 2);
            spot.top = Math.round(box.top + at.y - ICON_SIZE / 2);
            put(spot.icon, "transform", "translate(" + spot.left + "px," + spot.top + "px)");
            show(spot.icon);
        } else {
            spot.left = null;
            hide(spot.icon);
        }
    }

    placeMarker(anyShown, stale) {
        const box = this.layout.box;
        if (!this.marker || (anyShown === this.anyShown && !stale)) {
            return;
        }
        this.anyShown = anyShown;
        if (anyShown) {
            placeBox(this.marker, box.left + box.width - ICON_SIZE - MARGIN, box.top + MARGIN, null, null);
            show(this.marker);
        } else {
            hide(this.marker);
        }
    }

    /*
     * Shows each icon whose time window holds the movie time, at its direction. An
     * icon is placed again only when its window, the view or the layout changed.
     */
    update() {
        const time = this.video.currentTime;
        const stale = this.takeStale();
        const ready = this.isReady();
        let anyShown = false;
        let changed = stale;
        for (const spot of this.spots) {
            const on = inWindow(spot, time) && ready;
            anyShown = anyShown || on;
            if (on !== spot.on || stale) {
                spot.on = on;
                changed = true;
                this.placeIcon(spot, on);
            }
        }
        this.placeMarker(anyShown, stale);
        if (this.focused && changed) {
            this.placeTip();
        }
    }

    /* Now, not at the next drawn frame: with the camera as the view stands. */
    check(xrActive) {
        if (!xrActive) {
            this.view.aim(this.layout.aspect());
        }
        this.update();
    }

    open(index) {
        const spot = this.spots.find((candidate) => candidate.index === index);
        if (!spot || spot.link === "") {
            return;
        }
        if (spot.self) {
            window.location.assign(spot.link);
        } else {
            window.open(spot.link, "_blank", "noopener");
        }
    }
}
