// Pointer input on a picture box of the page, from Pointer Events, whatever the pointer: a mouse,
// a finger or a pen. A press is a press at that point; the second press of a double click is a
// double press only, as on the desktop. A mouse's double click is the system's: the browser counts
// its clicks with the system's time and room, and tells the count on mousedown (a pointerdown's
// `detail` is always 0). A finger's or a pen's is two presses close in time and place (a finger is
// given more room). A finger or a pen is first moved to where it touched (a finger cannot hover, a
// pen may not have), as a mouse always is before it presses. Releases are not passed: the program
// has nothing for them. Positions are in the window's pixels, at any scale of the page.
'use strict';

window.TovaPointer = (() => {
  // How far apart in time (ms) and place (CSS pixels either way) two touches may be to make a
  // double press: the phones' for a finger, closer for a pen.
  const DOUBLE = {touch: {ms: 300, room: 16}, pen: {ms: 300, room: 8}};

  // Calls on(kind, x, y, held, event) for the pointer's events on a picture box's frame: kind
  // 'down', 'move' or 'double'; where, in whole pixels of the window from the frame's outer corner
  // (its border included); whether a button is held. While one is, the frame keeps the pointer,
  // wherever it goes, as the window's picture boxes do.
  function attach(frame, on) {
    // Where the frame lies on the screen, asked again only when the page moves or is scaled, so
    // that a pointer move does not make the browser lay the page out first.
    let where = null;
    const forget = () => { where = null; };
    window.addEventListener('resize', forget);
    window.addEventListener('scroll', forget, true);
    window.addEventListener('tova-fit', forget);
    // The window's pixel under the pointer, whole at any scale of the page, as a desktop that
    // scales a program's window gives it whole pixels of its own.
    const at = e => {
      if (!where) {
        const r = frame.getBoundingClientRect();
        where = {left: r.left, top: r.top, x: frame.offsetWidth / r.width, y: frame.offsetHeight / r.height};
      }
      return [Math.floor((e.clientX - where.left) * where.x), Math.floor((e.clientY - where.top) * where.y)];
    };

    let last = null;  // the last touch that may begin a double press: {time, x, y, type, button}
    const isSecond = e => {
      const {ms, room} = DOUBLE[e.pointerType] || DOUBLE.touch;
      const second = last && last.type === e.pointerType && last.button === e.button &&
                     e.timeStamp - last.time <= ms && Math.abs(e.clientX - last.x) <= room &&
                     Math.abs(e.clientY - last.y) <= room;
      last = second ? null : {time: e.timeStamp, x: e.clientX, y: e.clientY, type: e.pointerType,
                              button: e.button};
      return second;
    };

    let mousePressed = false;  // a mouse's pointerdown, whose press its mousedown gives
    frame.addEventListener('pointerdown', e => {
      if (!e.isPrimary) return;  // a second finger is not a second pointer
      frame.setPointerCapture(e.pointerId);
      if (e.pointerType === 'mouse') { mousePressed = true; last = null; return; }
      e.preventDefault();        // no mouse events made up from a touch, no selecting
      if (isSecond(e)) { on('double', ...at(e), true, e); return; }
      on('move', ...at(e), false, e);
      on('down', ...at(e), true, e);
    });
    // The system's second click is a double press, its third a press again, as on the desktop. A
    // mousedown of no pointerdown's (a button pressed while another is held) is not a press.
    frame.addEventListener('mousedown', e => {
      if (!mousePressed) return;
      mousePressed = false;
      e.preventDefault();  // no selecting
      on(e.detail >= 2 && e.detail % 2 === 0 ? 'double' : 'down', ...at(e), true, e);
    });
    // With a button held, only the box it was pressed on has the pointer, as in the window.
    const mine = e => e.isPrimary && (e.buttons === 0 || frame.hasPointerCapture(e.pointerId));
    frame.addEventListener('pointermove', e => { if (mine(e)) on('move', ...at(e), e.buttons !== 0, e); });
    // A long press or the right button brings up no menu of the browser's over a picture.
    frame.addEventListener('contextmenu', e => e.preventDefault());
  }

  return {attach};
})();
