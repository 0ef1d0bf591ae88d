/*
 * The versions of the movie the page offers, as the publisher described them
 * on its source elements, and which of them suits this visitor: one the
 * browser decodes smoothly and the device can draw, about as sharp as the view
 * shows, and no heavier than the link carries. A page without the description
 * keeps the browser's own choice.
 */

/* The link's share a version's average bit rate may take: movies are not sent evenly. */
const LINK_SHARE = 0.8;
/* Browsers round the link they report down to this many Mbit/s at most: anything faster says nothing. */
const LINK_CEILING = 10;

function fact(source, name) {
    return Number(source.getAttribute("data-" + name));
}

/* Every source with its facts, smallest first; none when one lacks them. */
export function readVersions(video) {
    const versions = [];
    for (const source of Array.prototype.slice.call(video.getElementsByTagName("source"))) {
        const version = {
            source: source, width: fact(source, "width"), height: fact(source, "height"), fps: fact(source, "fps"),
            bitrate: fact(source, "bitrate"), codecs: source.getAttribute("data-codecs"),
            type: source.getAttribute("type")
        };
        if (!(version.width > 0 && version.height > 0 && version.bitrate > 0 && version.codecs)) {
            return [];
        }
        versions.push(version);
    }
    return versions.sort((a, b) => a.width - b.width || a.bitrate - b.bitrate);
}

function contentType(version) {
    return version.type + ";codecs=\"" + version.codecs + "\"";
}

/* The versions the browser can play and the device draw (no side over largest), smallest first. */
export function playableVersions(video, versions, largest) {
    return versions.filter((version) => version.width <= largest && version.height <= largest &&
        video.canPlayType(contentType(version)) !== "");
}

/*
 * Resolves to those of the playable versions the browser says it decodes
 * smoothly; to all of them where it cannot say, or says so of none.
 */
export function smoothVersions(playable) {
    const capabilities = navigator.mediaCapabilities;
    if (!capabilities || typeof capabilities.decodingInfo !== "function") {
        return Promise.resolve(playable);
    }
    const asked = playable.map((version) => capabilities.decodingInfo({
        type: "file",
        video: { contentType: contentType(version), width: version.width, height: version.height,
            bitrate: version.bitrate, framerate: version.fps > 0 ? version.fps : 30 }
    }).then((info) => info.supported && info.smooth, () => true));
    return Promise.all(asked).then((smooth) => {
        const chosen = playable.filter((version, i) => smooth[i]);
        return chosen.length > 0 ? chosen : playable;
    });
}

/* Movie pixels across the whole turn that give one per screen pixel in this view. */
export function wantedWidth(cssWidth, aspect, fov) {
    const across = 2 * Math.atan(Math.tan(fov * Math.PI / 360) * aspect) * 180 / Math.PI;
    return cssWidth * (window.devicePixelRatio || 1) * 360 / across;
}

/* What the browser says of the link: bits a second a version may take (Infinity when unknown), and whether to save data. */
export function link() {
    const connection = navigator.connection;
    if (!connection) {
        return { bits: Infinity, saveData: false };
    }
    const downlink = connection.downlink;
    return {
        bits: downlink > 0 && downlink < LINK_CEILING ? downlink * 1e6 * LINK_SHARE : Infinity,
        saveData: !!connection.saveData
    };
}

/*
 * Among usable versions (smallest first): the smallest at least `width` wide,
 * else the largest, of those whose bit rate fits `bits`; the smallest when none
 * fits or data is to be saved.
 */
export function pick(usable, width, bits, saveData) {
    if (usable.length === 0) {
        return null;
    }
    const carried = usable.filter((version) => version.bitrate <= bits);
    if (saveData || carried.length === 0) {
        return usable[0];
    }
    return carried.find((version) => version.width >= width) || carried[carried.length - 1];
}
