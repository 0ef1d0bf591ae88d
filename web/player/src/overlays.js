/*
 * What lies over the picture: the page's About icon, title banner and mute
 * icons, and what the viewer adds itself: the sound note, the hot-spot tip, the
 * cover that says why nothing plays, and the row of tool buttons.
 */
import { byId, hide, make, put } from "./dom.js";
import { TEXT } from "./messages.js";

export class Overlays {
    constructor() {
        const body = document.body;
        this.about = byId("ab");
        this.title = byId("titlePN");
        this.muteOn = byId("muteON");
        this.muteOff = byId("muteOFF");
        this.note = make("div", "tessaly-note", "");
        this.note.appendChild(make("span", "", TEXT.tapForSound));
        this.tip = make("div", "tessaly-tip", "");
        this.cover = make("div", "tessaly-cover", "");
        this.coverText = make("div", "tessaly-text", "");
        this.cover.appendChild(make("div", "tessaly-sign", ""));
        this.cover.appendChild(this.coverText);
        this.coverKind = "";
        this.tools = make("div", "tessaly-tools", "");
        for (const element of [this.note, this.tip, this.cover]) {
            hide(element);
        }
        for (const element of [this.note, this.tip, this.cover, this.tools]) {
            body.appendChild(element);
        }
    }

    /* The banner goes for good once the pointer has been over it. */
    dropTitle() {
        hide(this.title);
        this.title = null;
    }

    /* kind names the reason ("play", "failed"); a line given as [text] is a command to type. */
    showCover(kind, lines) {
        this.cover.className = "tessaly-cover " + kind;
        this.coverText.textContent = "";
        for (const line of lines) {
            this.coverText.appendChild(typeof line === "string" ? make("p", "", line) : make("p", "tessaly-command", line[0]));
        }
        this.coverKind = kind;
        put(this.cover, "display", "flex");
    }

    hideCover(kind) {
        if (this.coverKind === kind) {
            this.coverKind = "";
            hide(this.cover);
        }
    }

    addTool(label, action) {
        const button = make("button", "tessaly-tool", label);
        button.type = "button";
        button.addEventListener("click", (event) => {
            action(button);
            event.stopPropagation();
        }, false);
        this.tools.appendChild(button);
        return button;
    }
}
