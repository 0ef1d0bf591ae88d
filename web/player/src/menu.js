/*
 * An item of the control bar that opens a list of choices above the bar, by
 * pointer or by keyboard: Tab reaches it, Enter, Space or an arrow opens the
 * list at the choice made, the arrows move, Enter or Space chooses, Escape closes.
 */
import { byId, hide, isShown, make, onClick, show } from "./dom.js";
import { clamp } from "./numbers.js";

export class BarMenu {
    /* texts: the choices in order; choose(index) runs for the one picked. */
    constructor(bar, id, title, texts, choose) {
        const item = this.element = make("div", "control", "");
        const menu = this.menu = make("ul", "", "");
        this.label = make("span", "", "");
        item.id = id;
        item.title = title;
        item.tabIndex = 0;
        item.setAttribute("role", "button");
        item.setAttribute("aria-haspopup", "true");
        menu.id = id + "_menu";
        menu.setAttribute("role", "menu");
        hide(menu);
        this.entries = texts.map((text, index) => {
            const entry = make("li", "", text);
            entry.tabIndex = -1;
            entry.setAttribute("role", "menuitemradio");
            onClick(entry, (event) => {
                event.stopPropagation();
                this.close();
                choose(index);
            });
            menu.appendChild(entry);
            return entry;
        });
        onClick(item, () => (isShown(menu) ? this.close() : this.open()));
        item.addEventListener("keydown", (event) => this.key(event), false);
        item.appendChild(this.label);
        item.appendChild(menu);
        bar.insertBefore(item, byId("full_screen"));
    }

    open() {
        show(this.menu);
        this.element.setAttribute("aria-expanded", "true");
        (this.entries.find((entry) => entry.getAttribute("aria-checked") === "true") || this.entries[0]).focus();
    }

    /* Focus inside the closing list goes back to the item, not to the page. */
    close() {
        const inside = this.menu.contains(document.activeElement);
        hide(this.menu);
        this.element.setAttribute("aria-expanded", "false");
        if (inside) {
            this.element.focus();
        }
    }

    /* The keys the list takes are not the viewer's (space plays, arrows turn). */
    key(event) {
        const key = event.key;
        const at = this.entries.indexOf(event.target);
        if (key === "Enter" || key === " ") {
            if (at < 0) {
                this.open();
            } else {
                this.entries[at].click();
            }
        } else if (key === "ArrowDown" || key === "ArrowUp") {
            if (at < 0) {
                this.open();
            } else {
                this.entries[clamp(at + (key === "ArrowDown" ? 1 : -1), 0, this.entries.length - 1)].focus();
            }
        } else if (key === "Escape" && isShown(this.menu)) {
            this.close();
        } else {
            return;
        }
        event.preventDefault();
        event.stopPropagation();
    }

    /* Marks the choice made, and the one in use where that can differ. */
    mark(chosen, using) {
        this.entries.forEach((entry, index) => {
            entry.className = (index === chosen ? "chosen" : "") + (index === using ? " playing" : "");
            entry.setAttribute("aria-checked", String(index === chosen));
        });
    }
}
