/* The published viewer (js/ctr/cn3.js): the last script of the page, so everything it needs is there. */
import { startViewer } from "./viewer.js";

startViewer();
