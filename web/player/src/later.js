/*
 * The viewer's parts that only some pages need (js/ctr/cn4.js): the captions,
 * the sound field, the headset and looking by moving the device. The viewer
 * (cn3.js) loads this script after its first frame, and only on a page that
 * needs one of them, then hands the parts to the callback it left here.
 */
import { Captions } from "./captions.js";
import { offerMotion } from "./motion.js";
import { SoundField } from "./sound-field.js";
import { Headset } from "./xr.js";

window.tessalyLater({ Captions: Captions, offerMotion: offerMotion, SoundField: SoundField, Headset: Headset });
