/*
 * Where each eye's picture lies in the movie's frame, as [width, height, left,
 * top] in parts of the frame: the left or top one is the left eye's. A mono
 * frame is the picture of both eyes.
 */
export const WHOLE = [1, 1, 0, 0];
const TOP_BOTTOM = [[1, 0.5, 0, 0], [1, 0.5, 0, 0.5]];
const SIDE_BY_SIDE = [[0.5, 1, 0, 0], [0.5, 1, 0.5, 0]];

/* The two eyes' areas for the configured layout; anything unknown is mono. */
export function eyeAreas(layout) {
    if (layout === "top-bottom") {
        return TOP_BOTTOM;
    }
    return layout === "side-by-side" ? SIDE_BY_SIDE : [WHOLE, WHOLE];
}
