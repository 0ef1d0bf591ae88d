/*
 * What the page says, in one place. The page is published in a scrambled form
 * that also squeezes spaces inside strings: a space must never stand next to
 * one of = < > - + / * , ; ! ( ) { } here.
 */
export const TEXT = {
    tapForSound: "tap for sound",
    play: "Play",
    enterVr: "Enter VR",
    exitVr: "Exit VR",
    motionOn: "Look by moving the device",
    motionOff: "Stop moving with the device",
    cannotPlay: "This movie cannot be played here.",
    cannotDecode: " cannot be played by this browser.",
    tooLarge: " pixels. This device draws at most ",
    pixels: " pixels.",
    fromFile: "This page was opened from a file and this browser does not show a movie from a file in the 360 degree view.",
    runPreview: "To view it on this computer run:",
    previewCommand: "tessaly preview ",
    crossSite: "The movie comes from another site that does not allow it to be shown in the 360 degree view.",
    noWebGl: "This browser cannot draw 3D graphics: WebGL is off or missing. The 360 degree movie cannot be shown without it.",
    cannotPrepare: "This browser cannot show the 360 degree movie: its graphics driver refused ",
    vertexShader: "to compile the vertex shader",
    fragmentShader: "to compile the fragment shader",
    linking: "to link the shader program",
    driverSaid: "The driver said: ",
    quality: "Quality",
    auto: "Auto",
    captions: "Captions",
    cc: "CC",
    off: "Off",
    lines: "p"
};
