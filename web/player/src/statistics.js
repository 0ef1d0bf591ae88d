/* The frame-rate monitor (stats.js) the page shows when published with statistics. */
import { placeBox } from "./dom.js";
import { STATS_PLACE } from "./layout.js";

export class Statistics {
    constructor(shown, container) {
        this.monitor = null;
        if (!shown || typeof Stats !== "function") {
            return;
        }
        this.monitor = new Stats();
        const element = this.monitor.dom || this.monitor.domElement;
        if (element) {
            placeBox(element, STATS_PLACE.left, STATS_PLACE.top, null, null);
            element.style.zIndex = "10";
            container.appendChild(element);
        }
    }

    tick() {
        if (this.monitor && typeof this.monitor.update === "function") {
            this.monitor.update();
        }
    }
}
