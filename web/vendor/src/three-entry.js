// The page player draws with its own WebGL code; from three.js it keeps only the
// vector and matrix arithmetic (view matrices, device orientation, hot-spot
// directions). Taken from the sources, so nothing else comes along; of MathUtils
// only the two conversions the player calls (the rest, such as the UUID table,
// would be fetched before the movie's first frame for nothing).
import { degToRad, radToDeg } from 'three/src/math/MathUtils.js';

export const MathUtils = { degToRad, radToDeg };
export { Vector3 } from 'three/src/math/Vector3.js';
export { Quaternion } from 'three/src/math/Quaternion.js';
export { Euler } from 'three/src/math/Euler.js';
export { Matrix4 } from 'three/src/math/Matrix4.js';
export { REVISION } from 'three/src/constants.js';
