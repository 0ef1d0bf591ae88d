/*
 * Directions and the meshes the movie is drawn on.
 *
 * A column u of the equirectangular frame (0 = left edge, 1 = right edge) lies at
 * the world angle 2 pi u in the x-z plane, which is where the inside-out sphere
 * puts it. The view yaw lon faces u = 0.5 + lon / 360, so lon 0 faces the centre
 * column of the frame and turning right raises lon.
 *
 * Mesh vertices are x, y, z and the texture place s, t; t counts from the top
 * row of the frame, so frames go up unflipped.
 */

export const SPHERE_RADIUS = 500;
/* Frames a little wider than 2:1 are still spherical. */
const CYLINDER_ASPECT = 2.05;
const SPRITE_SIZE = 36;

export function directionOf(column, latDegrees, out) {
    const phi = 2 * Math.PI * column;
    const theta = THREE.MathUtils.degToRad(latDegrees);
    return out.set(Math.cos(theta) * Math.cos(phi), Math.sin(theta), Math.cos(theta) * Math.sin(phi));
}

export function columnOfView(lon) {
    const turns = 0.5 + lon / 360;
    return turns - Math.floor(turns);
}

/*
 * The shape a frame of this size is drawn on: a sphere, or for a frame wider
 * than 2:1 a cylinder, which reaches this many degrees up and down.
 */
export function shapeOf(width, height) {
    const aspect = width > 0 && height > 0 ? width / height : 2;
    const cylinder = aspect > CYLINDER_ASPECT;
    return {
        cylinder: cylinder,
        aspect: aspect,
        reach: cylinder ? THREE.MathUtils.radToDeg(Math.atan(Math.PI / aspect)) : 90
    };
}

/*
 * ring(v) gives the radius, height and texture shift of the row at v (0 top, 1 bottom).
 * The columns go round the whole circle, or for a half-sphere movie its front half.
 */
function gridMesh(columns, rows, field, ring) {
    const span = field / 360;
    const first = columns * (1 - span) / 2;
    const points = [];
    const indices = [];
    for (let iy = 0; iy <= rows; iy += 1) {
        const at = ring(iy / rows);
        for (let ix = 0; ix <= columns; ix += 1) {
            const phi = 2 * Math.PI * (first + ix * span) / columns;
            points.push(at.radius * Math.cos(phi), at.y, at.radius * Math.sin(phi), ix / columns + at.shift, iy / rows);
        }
    }
    for (let iy = 0; iy < rows; iy += 1) {
        for (let ix = 0; ix < columns; ix += 1) {
            const a = iy * (columns + 1) + ix;
            const c = a + columns + 1;
            /* At a pole one triangle of the quad has no area. */
            if (!ring(iy / rows).pole) {
                indices.push(a + 1, a, c + 1);
            }
            if (!ring((iy + 1) / rows).pole) {
                indices.push(a, c, c + 1);
            }
        }
    }
    return { points: points, indices: indices, vertices: (columns + 1) * (rows + 1) };
}

/*
 * A spherical movie wraps the sphere (in Black Areas mode only the band within
 * vertmax); a wider one is rolled round a cylinder whose height keeps its pixels square.
 */
export function pictureMesh(config, shape) {
    if (shape.cylinder) {
        const height = 2 * Math.PI * SPHERE_RADIUS / shape.aspect;
        return gridMesh(config.segmentsWidth, 1, config.field, (v) => ({ radius: SPHERE_RADIUS, y: height / 2 - v * height, shift: 0, pole: false }));
    }
    const bandRad = THREE.MathUtils.degToRad(config.mode === 1 ? config.vertmax : 90);
    const thetaStart = Math.PI / 2 - bandRad;
    const thetaEnd = Math.min(thetaStart + 2 * bandRad, Math.PI);
    return gridMesh(config.segmentsWidth, config.segmentsHeight, config.field, (v) => {
        const theta = thetaStart + v * 2 * bandRad;
        const top = v === 0 && thetaStart === 0;
        const bottom = v === 1 && thetaEnd === Math.PI;
        /* The pole vertex of a column takes the middle of its column. */
        const shift = top ? 0.5 / config.segmentsWidth : (bottom ? -0.5 / config.segmentsWidth : 0);
        return { radius: SPHERE_RADIUS * Math.sin(theta), y: SPHERE_RADIUS * Math.cos(theta), shift: shift, pole: top || bottom };
    });
}

/* A square facing the centre, upright, at a direction: a hot-spot icon in the headset. */
export function spriteMesh(direction) {
    const centre = direction.clone().multiplyScalar(SPHERE_RADIUS * 0.8);
    const half = SPRITE_SIZE / 2;
    const right = new THREE.Vector3(0 - direction.z, 0, direction.x).normalize().multiplyScalar(half);
    const corner = (across, up) => [centre.x + across * right.x, centre.y + up * half, centre.z + across * right.z];
    const points = [].concat(corner(-1, 1), [0, 0], corner(1, 1), [1, 0], corner(1, -1), [1, 1], corner(-1, -1), [0, 1]);
    return { points: points, indices: [0, 1, 2, 0, 2, 3], vertices: 4 };
}
