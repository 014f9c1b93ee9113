"""Measures a browser's screenshot inside the browser itself: the screenshot, as a data:
URL, is drawn on a canvas the page never shows, and its pixels are counted there."""
import base64

_COUNT = """
const [png, x, y, width, height, plain, done] = arguments;
const image = new Image();
image.onload = () => {
    const canvas = document.createElement('canvas');
    canvas.width = image.width;
    canvas.height = image.height;
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const pixels = context.getImageData(x, y, width, height).data;
    let painted = 0;
    const near = (i, [r, g, b]) =>
        Math.abs(pixels[i] - r) + Math.abs(pixels[i + 1] - g) + Math.abs(pixels[i + 2] - b) <= 12;
    for (let i = 0; i < pixels.length; i += 4)
        if (!plain.some(colour => near(i, colour)))
            ++painted;
    done(painted / (pixels.length / 4));
};
image.onerror = () => done(-1);
image.src = 'data:image/png;base64,' + png;
"""


def screenshot(driver, path=None):
    """The window as PNG, in base64; also written to `path` when given."""
    png = driver.get_screenshot_as_base64()
    if path:
        open(path, "wb").write(base64.b64decode(png))
    return png


def covered_share(driver, png, rect, plain=((255, 255, 255),)):
    """The share of the pixels of `rect` (x, y, width, height) of none of the `plain`
    colours (by default the webmail's white): where the stationery's picture shows."""
    x, y = int(rect["x"]), int(rect["y"])
    width, height = max(1, int(rect["width"])), max(1, int(rect["height"]))
    return driver.execute_async_script(_COUNT, png, x, y, width, height,
                                       [list(colour) for colour in plain])
