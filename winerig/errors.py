"""The one failure of the rig: what ran, how it ended, and what it said."""


class RigError(Exception):
    def __init__(self, message, command=None, code=None, stderr=None):
        self.command = command
        self.code = code
        self.stderr = stderr
        text = message
        if command is not None:
            text += " [%s" % " ".join(str(a) for a in command)
            if code is not None:
                text += ", exit code %s" % code
            text += "]"
        if stderr:
            text += ": " + stderr.strip()[-400:]
        super().__init__(text)
