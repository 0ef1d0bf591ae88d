/*
 * The control bar's quality item: Auto and each version by its height, with
 * the choice and the version playing marked. A visitor's pick holds until Auto.
 */
import { setText } from "./dom.js";
import { BarMenu } from "./menu.js";
import { TEXT } from "./messages.js";

function heightText(version) {
    return version.height + TEXT.lines;
}

export class QualityItem {
    constructor(bar, quality) {
        const versions = this.versions = [null].concat(quality.usable.slice().reverse());
        this.quality = quality;
        this.menu = new BarMenu(bar, "quality", TEXT.quality,
            versions.map((version) => (version ? heightText(version) : TEXT.auto)), (index) => quality.choose(versions[index]));
        this.update();
    }

    update() {
        const quality = this.quality;
        const playing = quality.current;
        const using = playing ? this.versions.indexOf(playing) : -1;
        setText(this.menu.label, (quality.manual ? "" : TEXT.auto + " ") + (playing ? heightText(playing) : ""));
        this.menu.mark(quality.manual ? using : 0, using);
    }
}
