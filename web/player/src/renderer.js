/*
 * The WebGL drawing: one shader program, the mesh the movie is drawn on, the
 * texture the movie frames go into, and a little bookkeeping so that a frame
 * that changes nothing binds or uploads nothing.
 */
import { put } from "./dom.js";
import { WHOLE } from "./stereo.js";

const VERTEX_SOURCE = "attribute vec3 position;" +
    "attribute vec2 place;" +
    "uniform mat4 matrix;" +
    "uniform vec4 area;" +
    "varying vec2 texel;" +
    "void main(){" +
    "texel=place*area.xy+area.zw;" +
    "gl_Position=matrix*vec4(position,1.0);" +
    "}";

/* Frames are sRGB and so is the canvas: texels go out as they came in. */
const FRAGMENT_SOURCE = "#ifdef GL_FRAGMENT_PRECISION_HIGH\nprecision highp float;\n#else\nprecision mediump float;\n#endif\n" +
    "uniform sampler2D picture;" +
    "varying vec2 texel;" +
    "void main(){" +
    "gl_FragColor=texture2D(picture,texel);" +
    "}";

/* WebGL 2 where there is one, else WebGL 1 (older iPhones). */
function openContext(canvas) {
    const options = { alpha: false, antialias: false, depth: false, stencil: false, preserveDrawingBuffer: false };
    for (const name of ["webgl2", "webgl", "experimental-webgl"]) {
        try {
            const gl = canvas.getContext(name, options);
            if (gl) {
                return gl;
            }
        } catch (error) {
            /* The next name may work. */
        }
    }
    return null;
}

/* The driver refused a step of preparing the drawing ("vertex", "fragment", "link"), with what it said. */
class DrawingRefused extends Error {
    constructor(step, log) {
        super(step);
        this.failure = { step: step, log: log && log.trim() ? log.trim() : "" };
    }
}

function compileShader(gl, kind, source, step) {
    const shader = gl.createShader(kind);
    gl.shaderSource(shader, source);
    gl.compileShader(shader);
    if (!gl.getShaderParameter(shader, gl.COMPILE_STATUS)) {
        throw new DrawingRefused(step, gl.getShaderInfoLog(shader));
    }
    return shader;
}

function linkProgram(gl, shaders) {
    const program = gl.createProgram();
    for (const shader of shaders) {
        gl.attachShader(program, shader);
    }
    gl.bindAttribLocation(program, 0, "position");
    gl.bindAttribLocation(program, 1, "place");
    gl.linkProgram(program);
    if (!gl.getProgramParameter(program, gl.LINK_STATUS)) {
        throw new DrawingRefused("link", gl.getProgramInfoLog(program));
    }
    return program;
}

function hexChannel(colour, at) {
    return parseInt(colour.substring(at, at + 2), 16) / 255;
}

function sameMatrix(stored, elements) {
    for (let i = 0; i < 16; i += 1) {
        if (stored[i] !== Math.fround(elements[i])) {
            return false;
        }
    }
    return true;
}

class Renderer {
    constructor(canvas, gl, clearColour) {
        this.canvas = canvas;
        this.gl = gl;
        this.clearColour = clearColour;
        this.ratio = Math.min(window.devicePixelRatio || 1, 2);
        this.elements = new Float32Array(16);
        this.mesh = null;
        /*
         * Everything made on the context (meshes, textures, here or in the headset) with how to make it
         * again: a restored context holds none of it.
         */
        this.made = new Map();
        /* While the context is lost nothing is drawn; restored() is told once it is back. */
        this.lost = false;
        this.restored = () => {};
        this.prepare();
        this.movie = this.newTexture();
        canvas.addEventListener("webglcontextlost", (event) => {
            /* Without this the browser never gives the context back. */
            event.preventDefault();
            this.lost = true;
        }, false);
        canvas.addEventListener("webglcontextrestored", () => this.rebuild(), false);
    }

    /* The program and the state; meshes and textures come separately. */
    prepare() {
        const gl = this.gl;
        this.wideIndices = typeof WebGL2RenderingContext !== "undefined" && gl instanceof WebGL2RenderingContext ||
            !!gl.getExtension("OES_element_index_uint");
        this.bound = { texture: null, mesh: null, viewport: [0, 0, 0, 0], matrix: false, area: null };
        const program = linkProgram(gl, [
            compileShader(gl, gl.VERTEX_SHADER, VERTEX_SOURCE, "vertex"),
            compileShader(gl, gl.FRAGMENT_SHADER, FRAGMENT_SOURCE, "fragment")
        ]);
        gl.useProgram(program);
        this.matrix = gl.getUniformLocation(program, "matrix");
        this.area = gl.getUniformLocation(program, "area");
        gl.uniform1i(gl.getUniformLocation(program, "picture"), 0);
        gl.enableVertexAttribArray(0);
        gl.enableVertexAttribArray(1);
        gl.disable(gl.CULL_FACE);
        gl.disable(gl.DEPTH_TEST);
        gl.blendFunc(gl.SRC_ALPHA, gl.ONE_MINUS_SRC_ALPHA);
        const colour = this.clearColour;
        gl.clearColor(hexChannel(colour, 1), hexChannel(colour, 3), hexChannel(colour, 5), 1);
    }

    /* A restored context holds nothing of the old one: all of it is made again and the picture drawn anew. */
    rebuild() {
        try {
            this.prepare();
        } catch (error) {
            /* A driver that refuses now may be lost again and restored later; until then nothing is drawn. */
            return;
        }
        this.made.forEach((make) => make());
        this.lost = false;
        this.restored();
    }

    /* A lost context answers nothing: no limit is known then, and no movie is refused for it. */
    maxTextureSize() {
        return this.gl.getParameter(this.gl.MAX_TEXTURE_SIZE) || Infinity;
    }

    /* thing is made now and again on a restored context, until forget(thing). */
    keep(thing, make) {
        this.made.set(thing, make);
        make();
        return thing;
    }

    forget(thing) {
        this.made.delete(thing);
    }

    /*
     * A texture: its handle on the context, the size its storage was allocated at, and
     * the picture it holds, which goes up again on a restored context. A movie's frame
     * is not kept: the frames go up anew once the context is back.
     */
    newTexture() {
        const texture = { handle: null, size: null, source: null };
        return this.keep(texture, () => {
            const gl = this.gl;
            texture.handle = gl.createTexture();
            texture.size = null;
            this.bindTexture(texture);
            gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_MIN_FILTER, gl.LINEAR);
            gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_MAG_FILTER, gl.LINEAR);
            gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_WRAP_S, gl.CLAMP_TO_EDGE);
            gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_WRAP_T, gl.CLAMP_TO_EDGE);
            if (texture.source) {
                this.upload(texture, texture.source);
            }
        });
    }

    /*
     * An image, a canvas or the movie's current frame into a texture. Storage is
     * allocated only when the size changes (another version of the movie); a
     * frame of the same size replaces the texels in place.
     */
    upload(texture, source) {
        const gl = this.gl;
        const width = source.videoWidth || source.naturalWidth || source.width;
        const height = source.videoHeight || source.naturalHeight || source.height;
        const size = texture.size;
        this.bindTexture(texture);
        if (size && size[0] === width && size[1] === height) {
            gl.texSubImage2D(gl.TEXTURE_2D, 0, 0, 0, gl.RGBA, gl.UNSIGNED_BYTE, source);
        } else {
            gl.texImage2D(gl.TEXTURE_2D, 0, gl.RGBA, gl.RGBA, gl.UNSIGNED_BYTE, source);
            texture.size = [width, height];
        }
        texture.source = source instanceof HTMLVideoElement ? null : source;
    }

    /* A mesh made again on a restored context. */
    uploadMesh(data) {
        const mesh = {};
        return this.keep(mesh, () => this.fillMesh(mesh, data));
    }

    /* Indices that do not fit 16 bits need 32-bit indices; without them the triangles are spelt out. */
    fillMesh(mesh, data) {
        const gl = this.gl;
        Object.assign(mesh, { vertices: gl.createBuffer(), indices: null, count: data.indices.length, type: gl.UNSIGNED_SHORT });
        let points = data.points;
        if (data.vertices > 65536 && !this.wideIndices) {
            const spelt = [];
            for (const index of data.indices) {
                spelt.push.apply(spelt, points.slice(index * 5, index * 5 + 5));
            }
            points = spelt;
        } else {
            mesh.indices = gl.createBuffer();
            gl.bindBuffer(gl.ELEMENT_ARRAY_BUFFER, mesh.indices);
            if (data.vertices > 65536) {
                mesh.type = gl.UNSIGNED_INT;
                gl.bufferData(gl.ELEMENT_ARRAY_BUFFER, new Uint32Array(data.indices), gl.STATIC_DRAW);
            } else {
                gl.bufferData(gl.ELEMENT_ARRAY_BUFFER, new Uint16Array(data.indices), gl.STATIC_DRAW);
            }
        }
        gl.bindBuffer(gl.ARRAY_BUFFER, mesh.vertices);
        gl.bufferData(gl.ARRAY_BUFFER, new Float32Array(points), gl.STATIC_DRAW);
        this.bound.mesh = null;
    }

    /* The mesh the movie is drawn on; the one it replaces is freed. */
    usePictureMesh(data) {
        const old = this.mesh;
        if (old) {
            this.forget(old);
            this.gl.deleteBuffer(old.vertices);
            if (old.indices) {
                this.gl.deleteBuffer(old.indices);
            }
        }
        this.mesh = this.uploadMesh(data);
    }

    bindTexture(texture) {
        if (this.bound.texture !== texture) {
            this.bound.texture = texture;
            this.gl.bindTexture(this.gl.TEXTURE_2D, texture.handle);
        }
    }

    setViewport(x, y, width, height) {
        const port = this.bound.viewport;
        if (port[0] !== x || port[1] !== y || port[2] !== width || port[3] !== height) {
            port[0] = x;
            port[1] = y;
            port[2] = width;
            port[3] = height;
            this.gl.viewport(x, y, width, height);
        }
    }

    /* The matrix goes up only when it changed: a still view costs no upload. */
    useMatrix(matrix) {
        if (!this.bound.matrix || !sameMatrix(this.elements, matrix.elements)) {
            this.elements.set(matrix.elements);
            this.gl.uniformMatrix4fv(this.matrix, false, this.elements);
            this.bound.matrix = true;
        }
    }

    /* The part of the texture a mesh shows: one eye's picture of a stereo frame, else all of it. */
    useArea(area) {
        if (this.bound.area !== area) {
            this.bound.area = area;
            this.gl.uniform4fv(this.area, area);
        }
    }

    drawMesh(mesh, texture, matrix, area) {
        const gl = this.gl;
        this.useMatrix(matrix);
        this.useArea(area || WHOLE);
        this.bindTexture(texture);
        if (this.bound.mesh !== mesh) {
            this.bound.mesh = mesh;
            gl.bindBuffer(gl.ARRAY_BUFFER, mesh.vertices);
            gl.vertexAttribPointer(0, 3, gl.FLOAT, false, 20, 0);
            gl.vertexAttribPointer(1, 2, gl.FLOAT, false, 20, 12);
            if (mesh.indices) {
                gl.bindBuffer(gl.ELEMENT_ARRAY_BUFFER, mesh.indices);
            }
        }
        if (mesh.indices) {
            gl.drawElements(gl.TRIANGLES, mesh.count, mesh.type, 0);
        } else {
            gl.drawArrays(gl.TRIANGLES, 0, mesh.count);
        }
    }

    drawPicture(matrix, area) {
        this.drawMesh(this.mesh, this.movie, matrix, area);
    }

    /* The whole canvas, cleared to the background colour. */
    clearPage() {
        this.setViewport(0, 0, this.canvas.width, this.canvas.height);
        this.gl.clear(this.gl.COLOR_BUFFER_BIT);
    }

    /* The drawing buffer follows the size in CSS pixels times the device's pixel ratio, which changes on another screen. */
    resize(width, height) {
        const canvas = this.canvas;
        this.ratio = Math.min(window.devicePixelRatio || 1, 2);
        const pixelsWide = Math.floor(width * this.ratio);
        const pixelsHigh = Math.floor(height * this.ratio);
        if (canvas.width !== pixelsWide || canvas.height !== pixelsHigh) {
            canvas.width = pixelsWide;
            canvas.height = pixelsHigh;
        }
        put(canvas, "width", width + "px");
        put(canvas, "height", height + "px");
    }
}

/*
 * A renderer on a new canvas: { renderer }, or { failure } that says why nothing
 * can be drawn: { step: "webgl" } without WebGL, or the step the driver refused
 * with what it said ({ step, log }).
 */
export function createRenderer(clearColour) {
    const canvas = document.createElement("canvas");
    canvas.style.display = "block";
    const gl = openContext(canvas);
    if (!gl) {
        return { failure: { step: "webgl", log: "" } };
    }
    try {
        return { renderer: new Renderer(canvas, gl, clearColour) };
    } catch (error) {
        if (error instanceof DrawingRefused) {
            return { failure: error.failure };
        }
        throw error;
    }
}
