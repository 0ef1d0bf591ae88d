// What the minimal page uses of three.js, bundled as a site would ship it (global THREE).
// `minimal-three` is three 0.187.0 (the release web/vendor pins) under its own name, so
// Photo Sphere Viewer keeps the three it asks for.
export { WebGLRenderer, Scene, PerspectiveCamera, SphereGeometry, Mesh, MeshBasicMaterial, VideoTexture } from 'minimal-three';
