-- The rightmost n characters of a text. The movement summary report builds its yyyymm keys
-- with it: f_right(0 || rm_mes, 2) gives the month in two digits. A count of zero or less
-- gives the empty text instead of an error; a NULL argument gives NULL.
SET TERM ^ ;

create function f_right (p_texto varchar(8191), p_n integer)
returns varchar(8191)
as
begin
  if (p_texto is null or p_n is null) then
    return null;
  if (p_n <= 0) then
    return '';
  return right(p_texto, p_n);
end^

SET TERM ; ^
