// Photo Sphere Viewer with its video adapter, video plugin (play, progress,
// volume) and markers plugin (two hot spots), bundled and minified by run.sh.
import { Viewer } from '@photo-sphere-viewer/core';
import { EquirectangularVideoAdapter } from '@photo-sphere-viewer/equirectangular-video-adapter';
import { MarkersPlugin } from '@photo-sphere-viewer/markers-plugin';
import { VideoPlugin } from '@photo-sphere-viewer/video-plugin';
import '@photo-sphere-viewer/core/index.css';
import '@photo-sphere-viewer/markers-plugin/index.css';
import '@photo-sphere-viewer/video-plugin/index.css';

const query = new URLSearchParams(location.search);
const container = document.getElementById('viewer');
container.style.width = `${Number(query.get('w'))}px`;
container.style.height = `${Number(query.get('h'))}px`;

const hotSpot = (id, yaw, pitch) => ({
    id, image: query.get('hotspot'), size: { width: 32, height: 32 }, position: { yaw, pitch }, tooltip: id,
});

new Viewer({
    container,
    adapter: [EquirectangularVideoAdapter, { autoplay: true, muted: true }],
    panorama: { source: query.get('movie') },
    loadingImg: null,
    navbar: ['videoPlay', 'videoVolume', 'videoTime', 'zoom', 'move', 'fullscreen'],
    plugins: [
        [VideoPlugin, { progressbar: true, bigbutton: false }],
        [MarkersPlugin, { markers: [hotSpot('first', 0.5, 0.1), hotSpot('second', -1, -0.2)] }],
    ],
});
