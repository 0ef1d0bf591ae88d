/*
 * An item of the control bar that opens a list of choices above the bar. The
 * item and the choices are buttons, so Enter and Space work them as any button;
 * the list opens with the focus on the choice made, and the arrows move it.
 */
import { byId, hide, isShown, make, onClick, show } from "./dom.js";

export class BarMenu {
    /* texts: the choices in order; choose(index) runs for the one picked. */
    constructor(bar, id, title, texts, choose) {
        const item = this.element = make("div", "control", "");
        const menu = this.menu = make("ul", "bar-menu", "");
        const label = this.label = make("button", "", "");
        this.chosen = 0;
        item.id = id;
        item.title = title;
        menu.id = id + "_menu";
        hide(menu);
        const buttons = this.buttons = texts.map((text, index) => {
            const entry = make("li", "", "");
            const button = make("button", "", text);
            onClick(button, (event) => {
                event.stopPropagation();
                /* The focus stays on the item, not lost with the list. */
                label.focus();
                hide(menu);
                choose(index);
            });
            entry.appendChild(button);
            menu.appendChild(entry);
            return button;
        });
        onClick(label, () => {
            if (isShown(menu)) {
                hide(menu);
            } else {
                show(menu);
                buttons[this.chosen].focus();
            }
        });
        /* The arrows are the list's while it has the focus, not the view's. */
        menu.addEventListener("keydown", (event) => {
            const next = buttons[buttons.indexOf(event.target) + (event.key === "ArrowDown" ? 1 : event.key === "ArrowUp" ? -1 : NaN)];
            if (next) {
                next.focus();
                event.preventDefault();
                event.stopPropagation();
            }
        }, false);
        item.appendChild(label);
        item.appendChild(menu);
        bar.insertBefore(item, byId("full_screen"));
    }

    /* Marks the choice made, and the one in use where that can differ. */
    mark(chosen, using) {
        this.chosen = chosen;
        this.buttons.forEach((button, index) => {
            button.parentNode.className = (index === chosen ? "chosen" : "") + (index === using ? " playing" : "");
            button.setAttribute("aria-pressed", String(index === chosen));
        });
    }
}
