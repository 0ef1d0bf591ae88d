/*
 * The control bar's quality item: Auto and each version by its height, with
 * the choice and the version playing marked. A visitor's pick holds until Auto.
 */
import { byId, hide, isShown, make, onClick, setText, show } from "./dom.js";
import { TEXT } from "./messages.js";

function heightText(version) {
    return version.height + TEXT.lines;
}

export class QualityItem {
    constructor(bar, quality) {
        const item = this.element = make("div", "control", "");
        const menu = this.menu = make("ul", "", "");
        this.quality = quality;
        this.label = make("span", "", "");
        item.id = "quality";
        item.title = TEXT.quality;
        menu.id = "quality_menu";
        hide(menu);
        this.entries = [null].concat(quality.usable.slice().reverse()).map((version) => {
            const entry = make("li", "", version ? heightText(version) : TEXT.auto);
            onClick(entry, (event) => {
                event.stopPropagation();
                hide(menu);
                quality.choose(version);
            });
            menu.appendChild(entry);
            return { version: version, element: entry };
        });
        onClick(item, () => (isShown(menu) ? hide(menu) : show(menu)));
        item.appendChild(this.label);
        item.appendChild(menu);
        bar.insertBefore(item, byId("full_screen"));
        this.update();
    }

    update() {
        const quality = this.quality;
        const playing = quality.current;
        setText(this.label, (quality.manual ? "" : TEXT.auto + " ") + (playing ? heightText(playing) : ""));
        for (const entry of this.entries) {
            const chosen = entry.version === null ? !quality.manual : quality.manual && entry.version === playing;
            entry.element.className = (chosen ? "chosen" : "") + (entry.version && entry.version === playing ? " playing" : "");
        }
    }
}
